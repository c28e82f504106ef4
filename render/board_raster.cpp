// Tiles and seams filled analytically, dots stamped from cached masks, halos summed then blended.
#include "render/board_raster.h"

#include "render/board_style.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

PixelRect toPixels(const DotRect& rect, const PixelMapping& mapping)
{
    const double left = rect.x * mapping.scale + mapping.offsetX;
    const double top = rect.y * mapping.scale + mapping.offsetY;
    return {left, top, left + rect.width * mapping.scale, top + rect.height * mapping.scale};
}

void unite(DotRect& bounds, bool& empty, const DotRect& rect)
{
    if (empty) {
        bounds = rect;
        empty = false;
        return;
    }
    const double left = std::min(bounds.x, rect.x);
    const double top = std::min(bounds.y, rect.y);
    bounds = {left, top, std::max(bounds.right(), rect.right()) - left,
        std::max(bounds.bottom(), rect.bottom()) - top};
}

} // namespace

ShapeStamps& StampCache::stampsFor(StampShape shape, double glowSigma)
{
    auto found = std::find_if(m_recent.begin(), m_recent.end(),
        [&](const auto& stamps) { return stamps->shape() == shape && stamps->glowSigma() == glowSigma; });
    if (found != m_recent.end()) {
        std::rotate(found, found + 1, m_recent.end());
    } else {
        if (m_recent.size() >= kCapacity)
            m_recent.erase(m_recent.begin());
        m_recent.push_back(std::make_unique<ShapeStamps>(shape, glowSigma));
    }
    return *m_recent.back();
}

void rasterizeBoard(const PixelCanvas& canvas, const BoardLayers& board, const DotTheme& theme,
    double glowRadius, const PixelMapping& mapping, StampCache& stamps, GlowBuffer& glow)
{
    // Shapes wholly outside the canvas are skipped before anything is computed for them: a canvas
    // may be one cell's part of the board.
    const auto touches = [&canvas](const PixelRect& box, double margin) {
        return box.right + margin > canvas.left && box.left - margin < canvas.width
            && box.bottom + margin > canvas.top && box.top - margin < canvas.height;
    };
    if (!board.tiles.empty()) {
        const DotRect& first = board.tiles.front();
        ShapeStamps& tiles = stamps.stampsFor(
            StampShape::roundedRect(first.width * mapping.scale, first.height * mapping.scale,
                flapTileCornerRadius(board.pitch) * mapping.scale),
            0);
        const PremultipliedPixel tileFill = premultiplied(tileColour(theme));
        for (const DotRect& tile : board.tiles) {
            const PixelRect box = toPixels(tile, mapping);
            if (touches(box, 1))
                tiles.stamp(canvas, box.left, box.top, tileFill);
        }
    }

    const PremultipliedPixel seamColour = premultiplied(theme.background, kSeamOpacity);
    for (const DotRect& seam : board.seams) {
        const PixelRect box = toPixels(seam, mapping);
        if (touches(box, 1))
            fillRect(canvas, box, seamColour);
    }

    if (board.unlitDots.empty() && board.litDots.empty())
        return;
    const double diameter
        = (board.unlitDots.empty() ? board.litDots : board.unlitDots).front().width * mapping.scale;
    const double sigma = glowRadius / 2 * mapping.scale;
    ShapeStamps& dots = stamps.stampsFor(StampShape::disc(diameter), sigma);

    const PremultipliedPixel unlit = premultiplied(theme.unlit);
    for (const DotRect& dot : board.unlitDots) {
        const PixelRect box = toPixels(dot, mapping);
        if (touches(box, 1))
            dots.stamp(canvas, box.left, box.top, unlit);
    }

    if (sigma > 0 && !board.litDots.empty()) {
        const int margin = static_cast<int>(std::ceil(3 * sigma)) + 2;
        DotRect litBounds;
        bool empty = true;
        for (const DotRect& dot : board.litDots)
            unite(litBounds, empty, dot);
        const PixelRect area = toPixels(litBounds, mapping);
        const int left = std::max(static_cast<int>(std::floor(area.left)) - margin, canvas.left);
        const int top = std::max(static_cast<int>(std::floor(area.top)) - margin, canvas.top);
        const int right = std::min(static_cast<int>(std::ceil(area.right)) + margin, canvas.width);
        const int bottom = std::min(static_cast<int>(std::ceil(area.bottom)) + margin, canvas.height);
        if (left < right && top < bottom) {
            glow.reset(left, top, right - left, bottom - top);
            for (const DotRect& dot : board.litDots) {
                const PixelRect box = toPixels(dot, mapping);
                if (touches(box, margin))
                    dots.addHalo(glow, box.left, box.top);
            }
            blendGlow(canvas, glow, premultiplied(theme.lit, kGlowOpacity));
        }
    }

    const PremultipliedPixel lit = premultiplied(theme.lit);
    for (const DotRect& dot : board.litDots) {
        const PixelRect box = toPixels(dot, mapping);
        if (touches(box, 1))
            dots.stamp(canvas, box.left, box.top, lit);
    }
}

DotRect boardsBounds(const std::vector<BoardLayers>& boards, double glowRadius)
{
    DotRect bounds;
    bool empty = true;
    for (const BoardLayers& board : boards) {
        for (const auto* layer : {&board.tiles, &board.seams, &board.unlitDots, &board.litDots}) {
            for (const DotRect& rect : *layer)
                unite(bounds, empty, rect);
        }
    }
    const double reach = glowRadius * 1.5 + 1;
    return empty
        ? DotRect {}
        : DotRect {bounds.x - reach, bounds.y - reach, bounds.width + 2 * reach, bounds.height + 2 * reach};
}

} // namespace quillon
