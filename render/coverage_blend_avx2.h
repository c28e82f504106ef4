// Eight pixels a step, for x86-64 processors with AVX2; the rest of a row is left to the caller.
#pragma once

#include "render/pixel_canvas.h"

#include <cstdint>

namespace quillon::avx2 {

bool available();

// As blendPixels and blendCoverage, over the first pixels of the row in steps of eight: returns how
// many it blended.
int blendPixels(std::uint32_t* target, const std::uint32_t* source, int count);
int blendCoverage(std::uint32_t* target, const std::uint16_t* coverage, int count, PremultipliedPixel colour);

} // namespace quillon::avx2
