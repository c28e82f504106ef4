// A soft halo behind a shape, as a blurred shadow with no offset.
#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace quillon {

// Paints the shape's shadow: its coverage blurred with a Gaussian of standard deviation
// blurRadius / 2 points, in `colour`. The blur is computed at the painter's device resolution
// (transform and device pixel ratio included), at half of it when the blur is wide enough to hide
// the difference.
void paintGlow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double blurRadius);

} // namespace quillon
