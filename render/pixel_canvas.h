// Antialiased filling of rectangles on a premultiplied ARGB32 pixel buffer, for the paths Qt's
// general rasteriser is too slow for (thousands of small shapes a frame).
#pragma once

#include "core/dot_theme.h"

#include <cstddef>
#include <cstdint>

namespace quillon {

// 0xAARRGGBB with colour channels premultiplied by alpha, as QImage::Format_ARGB32_Premultiplied.
using PremultipliedPixel = std::uint32_t;

PremultipliedPixel premultiplied(DotColor colour, double extraOpacity = 1.0);

// Multiplies an 8-bit value by an 8-bit fraction of 255, rounded.
constexpr std::uint32_t multiply255(std::uint32_t value, std::uint32_t fraction)
{
    const std::uint32_t product = value * fraction + 128;
    return (product + (product >> 8)) >> 8;
}

// The colour scaled by a coverage of 0 to 255, all four premultiplied channels alike, two
// channels per multiplication (red with blue, alpha with green), each rounded as multiply255 does.
constexpr PremultipliedPixel scaled(PremultipliedPixel colour, std::uint32_t coverage)
{
    std::uint32_t redBlue = (colour & 0x00FF00FF) * coverage;
    redBlue = ((redBlue + ((redBlue >> 8) & 0x00FF00FF) + 0x00800080) >> 8) & 0x00FF00FF;
    std::uint32_t alphaGreen = ((colour >> 8) & 0x00FF00FF) * coverage;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00FF00FF) + 0x00800080) & 0xFF00FF00;
    return alphaGreen | redBlue;
}

// Source-over of a premultiplied colour onto a premultiplied pixel.
constexpr PremultipliedPixel over(PremultipliedPixel source, PremultipliedPixel target)
{
    // Most of a layer lands on pixels nothing has touched yet.
    if (target == 0)
        return source;
    const std::uint32_t keep = 255 - (source >> 24);
    return source + scaled(target, keep);
}

// A colour at every coverage from 0 to 255, so that blending a mask needs no scaling of the source.
struct ColourRamp {
    explicit ColourRamp(PremultipliedPixel colour)
    {
        for (std::uint32_t coverage = 0; coverage < 256; ++coverage)
            byCoverage[coverage] = scaled(colour, coverage);
    }
    PremultipliedPixel byCoverage[256];
};

// Drawing touches only columns [left, width) and rows [top, height): a canvas that is part of an
// image keeps the image's coordinates, so that every shape lands on the same sub-pixel offset.
struct PixelCanvas {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // in pixels
    int left = 0;
    int top = 0;

    std::uint32_t* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

// Edges in pixels; partly covered pixels get their covered fraction.
struct PixelRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

void fillRect(const PixelCanvas& canvas, PixelRect rect, PremultipliedPixel colour);
// Corners are circular arcs of the given radius.
void fillRoundedRect(const PixelCanvas& canvas, PixelRect rect, double radius, PremultipliedPixel colour);

} // namespace quillon
