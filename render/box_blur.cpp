// Three successive box blurs of chosen widths converge on a Gaussian; each pass is a running sum,
// so the cost does not grow with the radius.
#include "render/box_blur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quillon {
namespace {

// Radii of three boxes whose successive application has standard deviation sigma
// (after W. Jarosz, "Fast image convolutions").
std::array<int, 3> boxRadii(double sigma)
{
    constexpr int kPasses = 3;
    const double idealWidth = std::sqrt(12 * sigma * sigma / kPasses + 1);
    int lower = static_cast<int>(std::floor(idealWidth));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double idealLowerCount
        = (12 * sigma * sigma - kPasses * lower * lower - 4 * kPasses * lower - 3 * kPasses)
        / (-4 * lower - 4);
    const auto lowerCount = static_cast<int>(std::lround(idealLowerCount));
    std::array<int, 3> radii {};
    for (int pass = 0; pass < kPasses; ++pass)
        radii[static_cast<std::size_t>(pass)] = ((pass < lowerCount ? lower : upper) - 1) / 2;
    return radii;
}

// One horizontal box pass over a row; samples beyond its ends count as 0.
void boxRow(std::uint8_t* row, int count, int radius, std::vector<std::uint8_t>& scratch)
{
    scratch.assign(row, row + count);
    const int width = 2 * radius + 1;
    int sum = 0;
    for (int index = 0; index < std::min(radius, count); ++index)
        sum += scratch[static_cast<std::size_t>(index)];
    for (int index = 0; index < count; ++index) {
        if (index + radius < count)
            sum += scratch[static_cast<std::size_t>(index + radius)];
        if (index - radius - 1 >= 0)
            sum -= scratch[static_cast<std::size_t>(index - radius - 1)];
        row[index] = static_cast<std::uint8_t>((sum + width / 2) / width);
    }
}

// One vertical box pass, walking rows in memory order with a running sum per column.
void boxColumns(std::uint8_t* pixels, int width, int height, int stride, int radius,
    std::vector<std::uint8_t>& scratch, std::vector<int>& sums)
{
    const auto rowLength = static_cast<std::size_t>(width);
    scratch.resize(rowLength * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        std::copy_n(pixels + static_cast<std::ptrdiff_t>(row) * stride, width,
            scratch.begin() + static_cast<std::ptrdiff_t>(rowLength) * row);
    sums.assign(rowLength, 0);
    auto addRow = [&](int row, int sign) {
        const std::uint8_t* source = scratch.data() + rowLength * static_cast<std::size_t>(row);
        for (std::size_t column = 0; column < rowLength; ++column)
            sums[column] += sign * source[column];
    };
    for (int row = 0; row < std::min(radius, height); ++row)
        addRow(row, 1);
    const int boxWidth = 2 * radius + 1;
    for (int row = 0; row < height; ++row) {
        if (row + radius < height)
            addRow(row + radius, 1);
        if (row - radius - 1 >= 0)
            addRow(row - radius - 1, -1);
        std::uint8_t* target = pixels + static_cast<std::ptrdiff_t>(row) * stride;
        for (std::size_t column = 0; column < rowLength; ++column)
            target[column] = static_cast<std::uint8_t>((sums[column] + boxWidth / 2) / boxWidth);
    }
}

} // namespace

void gaussianBlurCoverage(std::uint8_t* pixels, int width, int height, int stride, double sigma)
{
    if (!pixels || width <= 0 || height <= 0 || !(sigma > 0.2))
        return;
    std::vector<std::uint8_t> scratch;
    std::vector<int> sums;
    for (int radius : boxRadii(std::min(sigma, 512.0))) {
        if (radius <= 0)
            continue;
        for (int row = 0; row < height; ++row)
            boxRow(pixels + static_cast<std::ptrdiff_t>(row) * stride, width, radius, scratch);
        boxColumns(pixels, width, height, stride, radius, scratch, sums);
    }
}

} // namespace quillon
