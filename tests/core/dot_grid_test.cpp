// Text and bar grids.
#include "core/dot_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillon {
namespace {

std::string row(const DotGrid& grid, int rowIndex)
{
    std::string out;
    for (int column = 0; column < grid.columns; ++column) {
        const Dot dot = grid.at(column, rowIndex);
        out += dot == Dot::on ? '#' : dot == Dot::off ? '.' : ' ';
    }
    return out;
}

int count(const DotGrid& grid, Dot wanted)
{
    return static_cast<int>(std::count(grid.dots.begin(), grid.dots.end(), wanted));
}

TEST(DotGridText, OneCharacterFillsItsCell)
{
    const std::vector<std::string> lines {"A"};
    const DotGrid grid = DotGrid::text(lines, 1, 3);
    EXPECT_EQ(grid.columns, 5);
    EXPECT_EQ(grid.rows, 7);
    EXPECT_EQ(count(grid, Dot::none), 0);
    EXPECT_EQ(grid.cellOrigins, (std::vector<DotPoint> {{0, 0}}));
    EXPECT_EQ(row(grid, 0), ".###.");
    EXPECT_EQ(row(grid, 3), "#####");
}

TEST(DotGridText, CellsAndLinesAreSeparatedByEmptyDots)
{
    const std::vector<std::string> lines {"AB", "C"};
    const DotGrid grid = DotGrid::text(lines, 2, 3);
    EXPECT_EQ(grid.columns, 11);
    EXPECT_EQ(grid.rows, 17);
    for (int r = 0; r < grid.rows; ++r)
        EXPECT_EQ(grid.at(5, r), Dot::none) << "row " << r;
    for (int r = 7; r <= 9; ++r)
        EXPECT_EQ(row(grid, r), std::string(11, ' ')) << "row " << r;
    EXPECT_EQ(grid.cellOrigins, (std::vector<DotPoint> {{0, 0}, {6, 0}, {0, 10}, {6, 10}}));
    for (int r = 10; r < 17; ++r)
        EXPECT_EQ(row(grid, r).substr(6), ".....") << "the missing character is a blank, row " << r;
}

TEST(DotGridText, LinesAreCutOrPaddedToTheCellCount)
{
    const std::vector<std::string> hello {"hello"};
    const std::vector<std::string> hel {"HEL"};
    EXPECT_EQ(DotGrid::text(hello, 3, 0), DotGrid::text(hel, 3, 0));

    const std::vector<std::string> hi {"hi"};
    const std::vector<std::string> hiBlank {"HI "};
    EXPECT_EQ(DotGrid::text(hi, 3, 0), DotGrid::text(hiBlank, 3, 0));

    const std::vector<std::string> empty {""};
    const DotGrid blank = DotGrid::text(empty, 4, 3);
    EXPECT_EQ(count(blank, Dot::off), 4 * 35);
    EXPECT_EQ(count(blank, Dot::on), 0);
}

TEST(DotGridText, DegenerateSizesGiveEmptyGrids)
{
    const std::vector<std::string> lines {"A", "B"};
    const DotGrid noCells = DotGrid::text(lines, 0, 3);
    EXPECT_EQ(noCells.columns, 1);
    EXPECT_EQ(noCells.rows, 17);
    EXPECT_EQ(count(noCells, Dot::none), 17);
    EXPECT_TRUE(noCells.cellOrigins.empty());

    const DotGrid noLines = DotGrid::text({}, 3, 3);
    EXPECT_EQ(noLines.columns, 17);
    EXPECT_EQ(noLines.rows, 1);
    EXPECT_EQ(count(noLines, Dot::none), 17);

    EXPECT_EQ(DotGrid::text(lines, -5, -2), DotGrid::text(lines, 0, 0));
}

TEST(DotGridText, AbsurdSizesStayBounded)
{
    const std::vector<std::string> many(100000, "X");
    const DotGrid grid
        = DotGrid::text(many, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    EXPECT_EQ(grid.columns, DotGrid::kMaxCells * 6 - 1);
    EXPECT_LE(static_cast<std::int64_t>(grid.dots.size()), DotGrid::kMaxDots);
    EXPECT_EQ(grid.dots.size(), static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
    EXPECT_EQ(row(grid, 0).substr(0, 5), "#...#");
}

TEST(DotGridBar, LightsRoundedFractionOfColumnsInEveryRow)
{
    struct Case {
        double fraction;
        int columns;
        int rows;
        int expectedColumns;
        int expectedRows;
        int litColumns;
    };
    const Case cases[] = {
        {0.25, 10, 3, 10, 3, 3}, // 2.5 rounds away from zero
        {1.7, 10, 3, 10, 3, 10},
        {-0.2, 10, 3, 10, 3, 0},
        {0.5, 0, 0, 1, 1, 1},
        {std::numeric_limits<double>::quiet_NaN(), 10, 3, 10, 3, 0},
        {std::numeric_limits<double>::infinity(), 4, 1, 4, 1, 4},
        {-std::numeric_limits<double>::infinity(), 4, 1, 4, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fraction << " of " << c.columns << " x " << c.rows);
        const DotGrid grid = DotGrid::bar(c.fraction, c.columns, c.rows);
        ASSERT_EQ(grid.columns, c.expectedColumns);
        ASSERT_EQ(grid.rows, c.expectedRows);
        EXPECT_TRUE(grid.cellOrigins.empty());
        const std::string lit = std::string(static_cast<std::size_t>(c.litColumns), '#')
            + std::string(static_cast<std::size_t>(c.expectedColumns - c.litColumns), '.');
        for (int r = 0; r < grid.rows; ++r)
            EXPECT_EQ(row(grid, r), lit);
    }
}

TEST(DotGridBar, AbsurdSizesStayBounded)
{
    const DotGrid grid = DotGrid::bar(0.5, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    EXPECT_LE(static_cast<std::int64_t>(grid.dots.size()), DotGrid::kMaxDots);
    EXPECT_EQ(grid.dots.size(), static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
}

TEST(Dot, RawValuesAboveOnAreNoDot)
{
    EXPECT_EQ(dotFromRawValue(2), Dot::on);
    EXPECT_EQ(dotFromRawValue(3), std::nullopt);
}

} // namespace
} // namespace quillon
