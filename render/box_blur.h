// A fast approximation of a Gaussian blur on an 8-bit coverage plane.
#pragma once

#include <cstdint>

namespace quillon {

// Blurs `height` rows of `width` bytes, `stride` bytes apart, in place: three box blurs whose
// combined spread has the given standard deviation in pixels, close to a true Gaussian.
void gaussianBlurCoverage(std::uint8_t* pixels, int width, int height, int stride, double sigma);

} // namespace quillon
