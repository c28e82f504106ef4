// Dot, tile and seam geometry and the layout of rows.
#include "core/board_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

void expectRectNear(const DotRect& actual, const DotRect& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.width, expected.width, 1e-9);
    EXPECT_NEAR(actual.height, expected.height, 1e-9);
}

DotGrid oneCell(const char* text = "A")
{
    const std::vector<std::string> lines {text};
    return DotGrid::text(lines, 1, 3);
}

TEST(BoardGeometry, OneCellInItsOwnBoxHasTileSeamAndDotsWhereExpected)
{
    const DotGrid grid = oneCell();
    const DotRect box {0, 0, 50, 70};
    EXPECT_EQ(gridMetrics(5, 7, box), (GridMetrics {10, 0, 0}));

    const auto tiles = flapTiles(grid, box);
    ASSERT_EQ(tiles.size(), 1u);
    expectRectNear(tiles[0], {-2.2, -2.2, 54.4, 74.4});
    EXPECT_DOUBLE_EQ(flapTileCornerRadius(10), 6);

    const auto seams = flapSeams(grid, box);
    ASSERT_EQ(seams.size(), 1u);
    expectRectNear(seams[0], {-2.2, 34.3, 54.4, 1.4});

    // Row 0 of "A" is .###. : the first circle is the dot at column 1.
    const auto lit = dotCircles(grid, Dot::on, kDotFill, box);
    const auto unlit = dotCircles(grid, Dot::off, kDotFill, box);
    expectRectNear(unlit.front(), {1, 1, 8, 8});
    expectRectNear(lit.front(), {11, 1, 8, 8});
    EXPECT_EQ(lit.size() + unlit.size(), 35u);
}

TEST(BoardGeometry, HeightLimitedGridOverhangsButABoardFitsItsBoxFirst)
{
    const GridMetrics metrics = gridMetrics(5, 7, {0, 0, 50, 60});
    EXPECT_NEAR(metrics.pitch, 60 * 1.03 / 7, 1e-12);
    EXPECT_NEAR(metrics.originX, (50 - 5 * metrics.pitch) / 2, 1e-12);
    EXPECT_NEAR(metrics.originY, -0.9, 0.01);

    const BoardLayers board = boardLayers(oneCell(), {0, 0, 50, 60});
    expectRectNear(board.box, {(50 - 300.0 / 7) / 2, 0, 300.0 / 7, 60});
    EXPECT_NEAR(board.pitch, 60.0 / 7, 1e-12);
    EXPECT_NEAR(board.unlitDots.front().y, 0.1 * board.pitch, 1e-12) << "no overhang inside the fitted box";
}

TEST(BoardGeometry, SeamsVanishBelowPitchTwoAndAHalfButNeverThinBelowHalfAPoint)
{
    struct Case {
        double pitch;
        std::size_t seams;
        double thickness;
    };
    for (const Case& c :
        {Case {2.49, 0, 0}, Case {2.5, 1, 0.5}, Case {3, 1, 0.5}, Case {4, 1, 0.56}, Case {10, 1, 1.4}}) {
        SCOPED_TRACE(c.pitch);
        const DotRect box {0, 0, 5 * c.pitch, 7 * c.pitch};
        const BoardLayers board = boardLayers(oneCell(), box);
        ASSERT_EQ(board.seams.size(), c.seams);
        EXPECT_EQ(board.tiles.size(), 1u);
        EXPECT_EQ(board.unlitDots.size() + board.litDots.size(), 35u);
        if (c.seams) {
            EXPECT_NEAR(board.seams[0].height, c.thickness, 1e-12);
        }
    }
}

TEST(BoardGeometry, BarsHaveDotsButNoTiles)
{
    const BoardLayers board = boardLayers(DotGrid::bar(0.5, 71, 3), {0, 0, 710, 300});
    EXPECT_TRUE(board.tiles.empty());
    EXPECT_TRUE(board.seams.empty());
    EXPECT_EQ(board.litDots.size(), 36u * 3);
    EXPECT_EQ(board.unlitDots.size(), 35u * 3);
    EXPECT_NEAR(board.pitch, 10, 1e-12);
}

TEST(RowsLayout, AllRowsShareOnePitchAndGapsAreWholePitches)
{
    const RowsLayout centred = rowsLayout(3, 20, 3, DotAlignment::center(), {0, 0, 119, 100});
    EXPECT_DOUBLE_EQ(centred.pitch, 1);
    ASSERT_EQ(centred.rows.size(), 3u);
    for (std::size_t row = 0; row < 3; ++row)
        expectRectNear(centred.rows[row], {0, 36.5 + 10.0 * static_cast<double>(row), 119, 7});

    const RowsLayout leading = rowsLayout(2, 2, 3, DotAlignment::leading(), {10, 20, 300, 34});
    EXPECT_DOUBLE_EQ(leading.pitch, 2);
    expectRectNear(leading.rows[0], {10, 20, 22, 14});
    expectRectNear(leading.rows[1], {10, 40, 22, 14});

    const RowsLayout empty = rowsLayout(0, 0, 3, DotAlignment::center(), {0, 0, 0, 0});
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.pitch, 0);
}

} // namespace
} // namespace quillon
