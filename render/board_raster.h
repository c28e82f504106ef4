// Boards rasterised straight into pixels: the fast path of scene painting.
#pragma once

#include "core/board_geometry.h"
#include "core/dot_theme.h"
#include "render/pixel_canvas.h"
#include "render/shape_stamps.h"

#include <memory>
#include <vector>

namespace quillon {

// Points to pixels: x * scale + offsetX, y * scale + offsetY.
struct PixelMapping {
    double scale = 1;
    double offsetX = 0;
    double offsetY = 0;
};

// Masks of the shapes recently drawn, so that an animation does not rebuild them every frame.
class StampCache {
public:
    ShapeStamps& stampsFor(StampShape shape, double glowSigma);

private:
    static constexpr std::size_t kCapacity = 24;
    std::vector<std::unique_ptr<ShapeStamps>> m_recent; // most recently used last
};

// The same four layers as the vector painter, in the same order and colours: tiles, seams,
// unlit dots, then the lit dots' halo (blur radius in points, 0 for none) and the lit dots.
void rasterizeBoard(const PixelCanvas& canvas, const BoardLayers& board, const DotTheme& theme,
    double glowRadius, const PixelMapping& mapping, StampCache& stamps, GlowBuffer& glow);

// Everything the boards may touch, in points: tiles, seams and dots, plus the halo's reach.
DotRect boardsBounds(const std::vector<BoardLayers>& boards, double glowRadius);

} // namespace quillon
