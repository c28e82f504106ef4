// The stage's backdrop and the widget card's frame: shadow, panel and hairline.
#pragma once

#include "core/dot_theme.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace quillon {

// The base colour, a radial tint of the theme's lit colour from the centre, and a grid of faint
// dots every 14 points.
void paintBackdrop(QPainter& painter, const QRectF& area, const DotTheme& theme, bool darkAppearance);

// The card's drop shadow (black at 35 %, blur radius 30, 16 points down), its panel in the theme's
// background and its hairline. The shadow is blurred once per card size and kept.
void paintCardFrame(QPainter& painter, const QRectF& card, double radius, const DotTheme& theme);

} // namespace quillon
