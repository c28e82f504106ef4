// The inner loops of every stamp and halo: rows of pixels blended over a canvas, several pixels a
// step, with the same rounding as one pixel at a time through over() and scaled().
#pragma once

#include "render/pixel_canvas.h"

#include <cstdint>

namespace quillon {

// target[i] = over(source[i], target[i]) for i below count.
void blendPixels(std::uint32_t* target, const std::uint32_t* source, int count);

// target[i] = over(scaled(colour, coverage[i]), target[i]), where coverage above 255 counts as 255.
void blendCoverage(
    std::uint32_t* target, const std::uint16_t* coverage, int count, PremultipliedPixel colour);

} // namespace quillon
