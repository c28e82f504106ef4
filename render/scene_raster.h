// Painting a scene's boards by rasterising them straight into device pixels.
#pragma once

#include "core/board_geometry.h"
#include "core/dot_theme.h"

#include <vector>

class QPainter;

namespace quillon {

// Paints the boards as the vector painter would, many times faster. Into an image of a 32-bit
// format under plain source-over painting it draws in place; elsewhere it rasterises into an
// offscreen image aligned to device pixels and draws that unscaled. Returns false, painting
// nothing, when the painter's transform is more than a uniform scale and a translation.
bool rasterizeScene(
    QPainter& painter, const std::vector<BoardLayers>& boards, const DotTheme& theme, double glowRadius);

} // namespace quillon
