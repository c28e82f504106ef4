// The box-blur approximation of a Gaussian.
#include "render/box_blur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace quillon {
namespace {

TEST(GaussianBlurCoverage, SpreadsALineWithTheRequestedDeviationAndKeepsItsMass)
{
    for (double sigma : {1.0, 2.5, 6.0}) {
        SCOPED_TRACE(sigma);
        constexpr int kWidth = 101;
        constexpr int kHeight = 61; // tall enough that the middle row loses nothing vertically
        constexpr int kStride = 104; // rows are padded, as in an image
        std::vector<std::uint8_t> pixels(kStride * kHeight, 0);
        for (int row = 0; row < kHeight; ++row)
            pixels[static_cast<std::size_t>(row * kStride + 50)] = 255;
        gaussianBlurCoverage(pixels.data(), kWidth, kHeight, kStride, sigma);

        const std::uint8_t* middle = pixels.data() + kStride * (kHeight / 2);
        double mass = 0;
        double variance = 0;
        for (int column = 0; column < kWidth; ++column) {
            mass += middle[column];
            variance += middle[column] * (column - 50.0) * (column - 50.0);
        }
        variance /= mass;
        EXPECT_NEAR(mass, 255, 255 * 0.12) << "rounding may lose a little";
        EXPECT_NEAR(std::sqrt(variance), sigma, 0.25 * sigma);
        EXPECT_EQ(middle[40], middle[60]) << "symmetric";
        EXPECT_EQ(pixels[kWidth], 0) << "padding untouched";
    }
}

TEST(GaussianBlurCoverage, DegenerateInputIsLeftAlone)
{
    std::vector<std::uint8_t> pixels {0, 255, 0};
    gaussianBlurCoverage(pixels.data(), 3, 1, 3, 0);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t> {0, 255, 0}));
    gaussianBlurCoverage(pixels.data(), 3, 1, 3, std::nan(""));
    EXPECT_EQ(pixels, (std::vector<std::uint8_t> {0, 255, 0}));
    gaussianBlurCoverage(nullptr, 3, 1, 3, 2);
    gaussianBlurCoverage(pixels.data(), 3, 1, 3, 1e9); // a box far wider than the image
    EXPECT_LE(pixels[1], 1);
}

} // namespace
} // namespace quillon
