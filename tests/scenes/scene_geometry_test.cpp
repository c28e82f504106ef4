// A scene laid out as boards.
#include "scenes/scene_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillon {
namespace {

int litColumns(const DotGrid& grid)
{
    int lit = 0;
    for (int column = 0; column < grid.columns; ++column)
        lit += grid.at(column, 0) == Dot::on ? 1 : 0;
    return lit;
}

TEST(SceneBoards, ABarOfTwelveCellsHas71By3DotsAndRoundsHalfUp)
{
    const DotScene scene {{BarBlock {0.5, 12, 1, DotAlignment::center()}}, 0, 0};
    const auto boards = sceneBoards(scene, {0, 0, 710, 100});
    ASSERT_EQ(boards.size(), 1u);
    EXPECT_EQ(boards[0].grid.columns, 71);
    EXPECT_EQ(boards[0].grid.rows, 3);
    EXPECT_EQ(litColumns(boards[0].grid), 36);
    EXPECT_EQ(boards[0].box, (DotRect {0, 35, 710, 30}));
}

TEST(SceneBoards, TextLinesShareOnePitchAndAFittedWidth)
{
    const DotScene scene {{TextBlock {{"NEW YEAR", "PARTY NIGHT!"}, 4, 1, DotAlignment::leading()}}, 0, 10};
    const auto boards = sceneBoards(scene, {0, 0, 300, 200});
    ASSERT_EQ(boards.size(), 2u);
    for (const PlacedBoard& board : boards) {
        EXPECT_EQ(board.grid.columns, 12 * 6 - 1) << "fitting widened four cells to the longer line";
        EXPECT_EQ(board.grid.rows, 7);
        EXPECT_DOUBLE_EQ(board.box.width, boards[0].box.width);
        EXPECT_DOUBLE_EQ(board.box.x, 10) << "leading";
    }
    const double pitch = boards[0].box.height / 7;
    EXPECT_NEAR(boards[1].box.y - boards[0].box.bottom(), 3 * pitch, 1e-9);

    const auto layers = sceneLayers(scene, {0, 0, 300, 200});
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0].tiles.size(), 12u);
    EXPECT_NEAR(layers[0].pitch, pitch, 1e-9);
}

TEST(SceneBoards, EmptyAndDegenerateScenesDrawNothingOrNothingVisible)
{
    EXPECT_TRUE(sceneBoards({}, {0, 0, 100, 100}).empty());
    const auto squeezed
        = sceneLayers({{TextBlock {{"A"}, 1, 1, DotAlignment::center()}}, 0, 80}, {0, 0, 100, 100});
    ASSERT_EQ(squeezed.size(), 1u);
    EXPECT_EQ(squeezed[0].pitch, 0);
    EXPECT_TRUE(squeezed[0].seams.empty());
}

} // namespace
} // namespace quillon
