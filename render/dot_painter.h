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

// The halo of lit dots: a shadow of this blur radius in points, in the lit colour at 35 %.
inline constexpr double kGlowRadius = 3.0;
inline constexpr double kGlowOpacity = 0.35;

// Four filled layers, back to front: tiles, seams, unlit dots, lit dots (with their halo when
// `glow` is on). Each layer is one path, antialiased, with non-zero winding. No background.
void paintBoard(QPainter& painter, const BoardLayers& board, const DotTheme& theme, bool glow);

// The scene fitted and laid out in `rect` (in the painter's coordinates, in points), every board
// painted in order. Works on any paint device at any transform and device pixel ratio.
void paintScene(QPainter& painter, const DotScene& scene, const DotTheme& theme, bool glow, const QRectF& rect);

} // namespace quillon
