// Painting dot boards and whole scenes with QPainter.
#pragma once

#include "core/board_geometry.h"
#include "core/dot_theme.h"
#include "scenes/dot_scene.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace quillon {

QColor toQColor(DotColor colour);

// Four filled layers, back to front: tiles, seams, unlit dots, lit dots (with their halo when
// `glow` is on). Each layer is one path, antialiased, with non-zero winding. No background.
void paintBoard(QPainter& painter, const BoardLayers& board, const DotTheme& theme, bool glow);

// The scene fitted and laid out in `rect` (in the painter's coordinates, in points), every board
// painted in order. Works on any paint device at any transform and device pixel ratio; under a
// plain scale and translation (the usual case) the boards are rasterised directly into device
// pixels, which is many times faster than filling paths and gives the same picture.
void paintScene(
    QPainter& painter, const DotScene& scene, const DotTheme& theme, bool glow, const QRectF& rect);

} // namespace quillon
