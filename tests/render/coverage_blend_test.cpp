// The blending kernels against one pixel at a time through over() and scaled(): every coverage,
// rows of every length around the vector steps, on empty, opaque and translucent pixels.
#include "render/coverage_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon {
namespace {

const PremultipliedPixel kColours[] = {0xFFFFFFFF, 0x24242424, 0x59593E14, 0xFF111111};
const PremultipliedPixel kTargets[] = {0x00000000, 0xFF1B1B1B, 0x0E0E0E0E, 0x80402010, 0xFFFFFFFF};

// A row of n pixels cycling through the targets, shifted so that neighbours differ.
std::vector<PremultipliedPixel> targetRow(int count, int shift)
{
    std::vector<PremultipliedPixel> row;
    for (int index = 0; index < count; ++index)
        row.push_back(kTargets[static_cast<std::size_t>(index + shift) % std::size(kTargets)]);
    return row;
}

TEST(CoverageBlend, CoverageRowsMatchBlendingOnePixelAtATime)
{
    for (PremultipliedPixel colour : kColours) {
        for (int count = 1; count <= 19; ++count) {
            for (int first = 0; first <= 300; first += 7) {
                std::vector<std::uint16_t> coverage;
                for (int index = 0; index < count; ++index)
                    coverage.push_back(static_cast<std::uint16_t>((first + index * 37) % 301));
                std::vector<PremultipliedPixel> row = targetRow(count, first);
                std::vector<PremultipliedPixel> expected = row;
                for (int index = 0; index < count; ++index) {
                    const std::uint32_t amount
                        = std::min<std::uint32_t>(coverage[static_cast<std::size_t>(index)], 255);
                    expected[static_cast<std::size_t>(index)]
                        = over(scaled(colour, amount), expected[static_cast<std::size_t>(index)]);
                }
                blendCoverage(row.data(), coverage.data(), count, colour);
                ASSERT_EQ(row, expected) << "colour " << std::hex << colour << std::dec << ", " << count
                                         << " pixels from coverage " << first;
            }
        }
    }
}

TEST(CoverageBlend, PixelRowsMatchBlendingOnePixelAtATime)
{
    for (PremultipliedPixel colour : kColours) {
        for (int count = 1; count <= 19; ++count) {
            for (int amount = 0; amount <= 255; amount += 5) {
                // Runs of nothing, of the whole colour and of part of it, as a stamp's row has.
                std::vector<PremultipliedPixel> source;
                for (int index = 0; index < count; ++index)
                    source.push_back(index % 5 == 0
                            ? 0
                            : scaled(colour, index % 3 ? 255 : static_cast<std::uint32_t>(amount)));
                for (int shift = 0; shift < 3; ++shift) {
                    std::vector<PremultipliedPixel> row = shift == 2
                        ? std::vector<PremultipliedPixel>(static_cast<std::size_t>(count), 0)
                        : targetRow(count, shift);
                    std::vector<PremultipliedPixel> expected = row;
                    for (std::size_t index = 0; index < row.size(); ++index)
                        expected[index] = over(source[index], expected[index]);
                    blendPixels(row.data(), source.data(), count);
                    ASSERT_EQ(row, expected) << "colour " << std::hex << colour << std::dec << ", " << count
                                             << " pixels, part " << amount;
                }
            }
        }
    }
}

} // namespace
} // namespace quillon
