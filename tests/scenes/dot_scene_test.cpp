// Scenes: fitting, accessibility text and the layout of blocks.
#include "scenes/dot_scene.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TextBlock text(std::vector<std::string> lines, int cells, double weight = 1)
{
    return TextBlock {std::move(lines), cells, weight, DotAlignment::leading()};
}

BarBlock bar(double fraction, int cells, double weight = 0.5)
{
    return BarBlock {fraction, cells, weight, DotAlignment::center()};
}

TEST(SceneFitting, WidensTextCellsToTheLongestNormalisedLine)
{
    struct Case {
        std::vector<std::string> lines;
        int expectedCells;
    };
    const Case cases[] = {
        {{"12:34"}, 5},
        {{"12:345"}, 6},
        {{"AB   "}, 5}, // trailing spaces do not count
        {{"AB___x"}, 6}, // characters without a glyph count as spaces inside a line
        {{"AB\u6771\u4EAC\u6771\u4EAC"}, 5}, // ... and add nothing at its end
        {{" \u00E9t\u00E9 "}, 5}, // a leading space counts
        {{"hi", "stra\u00DFe"}, 7}, // measured after upper-casing
        {{}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.lines));
        const DotScene scene {{text(c.lines, 5), bar(0.5, 3)}, 8, 16};
        const DotScene fit = fitted(scene);
        EXPECT_EQ(cells(fit.blocks[0]), c.expectedCells);
        EXPECT_EQ(fit.blocks[1], scene.blocks[1]) << "bars are left alone";
        EXPECT_EQ(std::get<TextBlock>(fit.blocks[0]).lines, c.lines);
    }
}

TEST(SceneAccessibility, JoinsLinesWithCommasAndBlocksWithFullStops)
{
    EXPECT_EQ(
        accessibilityText({text({"London"}, 9), text({"09:41"}, 5), text({"SAT 05 DEC"}, 10), bar(0.4, 12)}),
        "London. 09:41. SAT 05 DEC");
    EXPECT_EQ(accessibilityText({text({"HELLO", "WORLD"}, 6)}), "HELLO, WORLD");
    EXPECT_EQ(accessibilityText({bar(0.3, 9)}), "");
    EXPECT_EQ(accessibilityText({text({}, 3), text({"x"}, 1)}), ". x");
    EXPECT_EQ(accessibilityText({text({"caf\u00E9 \U0001F600"}, 3)}), "caf\u00E9 \U0001F600") << "as written";
}

TEST(SceneLayout, HeightsFollowTheWeightsInsideThePadding)
{
    const DotScene scene {
        {text({"A"}, 1, 1), text({"B"}, 1, 3), text({"C"}, 1, 1), bar(0.5, 1, 0.45)}, 12, 20};
    const auto frames = blockFrames(scene, {0, 0, 200, 200});
    ASSERT_EQ(frames.size(), 4u);
    const double weights[] = {1, 3, 1, 0.45};
    double y = 20;
    for (std::size_t index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        EXPECT_DOUBLE_EQ(frames[index].height, 124 * weights[index] / 5.45);
        EXPECT_DOUBLE_EQ(frames[index].width, 160);
        EXPECT_DOUBLE_EQ(frames[index].x, 20);
        EXPECT_NEAR(frames[index].y, y, 1e-9);
        y += frames[index].height + 12;
    }
}

TEST(SceneLayout, DegenerateScenesGiveEmptyFramesWithoutError)
{
    const auto squeezed = blockFrames({{text({"A"}, 1), bar(0.5, 1)}, 8, 120}, {0, 0, 200, 200});
    for (const DotRect& frame : squeezed) {
        EXPECT_EQ(frame.width, 0);
        EXPECT_EQ(frame.height, 0);
    }
    EXPECT_TRUE(blockFrames({{}, 8, 16}, {0, 0, 200, 200}).empty());

    const auto single = blockFrames({{text({"A"}, 1, 2)}, 50, 10}, {0, 0, 100, 100});
    EXPECT_EQ(single.front(), (DotRect {10, 10, 80, 80})) << "one block has no spacing";

    const auto weightless = blockFrames({{text({"A"}, 1, 0), text({"B"}, 1, 0)}, 4, 0}, {0, 0, 100, 100});
    EXPECT_EQ(weightless[0].height, 0);
    EXPECT_EQ(weightless[1].height, 0);
}

} // namespace
} // namespace quillon
