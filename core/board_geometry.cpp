// Dot, tile and seam geometry.
#include "core/board_geometry.h"

#include "core/dot_font.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr double kHeightOverhang = 1.03;
constexpr double kTileInset = 0.22;
constexpr double kTileCornerRadius = 0.6;
constexpr double kSeamThickness = 0.14;
constexpr double kMinSeamThickness = 0.5;
constexpr double kMinSeamPitch = 2.5;

} // namespace

GridMetrics gridMetrics(int columns, int rows, DotRect rect)
{
    const double cols = std::max(columns, 1);
    const double rowCount = std::max(rows, 1);
    const double pitch = std::max(std::min(rect.width / cols, rect.height * kHeightOverhang / rowCount), 0.0);
    return {pitch, rect.x + (rect.width - pitch * cols) / 2, rect.y + (rect.height - pitch * rowCount) / 2};
}

DotRect boardBox(int columns, int rows, DotRect offered)
{
    const double aspect = static_cast<double>(std::max(columns, 1)) / std::max(rows, 1);
    const double width = std::max(std::min(offered.width, offered.height * aspect), 0.0);
    return aligned({width, width / aspect}, offered, DotAlignment::center());
}

std::vector<DotRect> dotCircles(const DotGrid& grid, Dot state, double fill, DotRect rect)
{
    const GridMetrics metrics = gridMetrics(grid.columns, grid.rows, rect);
    const double diameter = fill * metrics.pitch;
    const double inset = (metrics.pitch - diameter) / 2;
    std::vector<DotRect> circles;
    // Counted first: a long title's grid holds millions of dots, and growing the list step by
    // step would copy it over and over.
    circles.reserve(static_cast<std::size_t>(std::count(grid.dots.begin(), grid.dots.end(), state)));
    std::size_t index = 0;
    for (int row = 0; row < grid.rows; ++row) {
        const double y = metrics.originY + metrics.pitch * row + inset;
        for (int column = 0; column < grid.columns; ++column, ++index) {
            if (grid.dots[index] == state)
                circles.push_back({metrics.originX + metrics.pitch * column + inset, y, diameter, diameter});
        }
    }
    return circles;
}

std::vector<DotRect> flapTiles(const DotGrid& grid, DotRect rect)
{
    const GridMetrics metrics = gridMetrics(grid.columns, grid.rows, rect);
    const double p = metrics.pitch;
    const double inset = kTileInset * p;
    std::vector<DotRect> tiles;
    tiles.reserve(grid.cellOrigins.size());
    for (const DotPoint& origin : grid.cellOrigins) {
        tiles.push_back({metrics.originX + p * origin.x - inset, metrics.originY + p * origin.y - inset,
            DotFont::kGlyphWidth * p + 2 * inset, DotFont::kGlyphHeight * p + 2 * inset});
    }
    return tiles;
}

double flapTileCornerRadius(double pitch)
{
    return kTileCornerRadius * pitch;
}

std::vector<DotRect> flapSeams(const DotGrid& grid, DotRect rect)
{
    const double pitch = gridMetrics(grid.columns, grid.rows, rect).pitch;
    if (pitch < kMinSeamPitch)
        return {};
    const double thickness = std::max(kSeamThickness * pitch, kMinSeamThickness);
    std::vector<DotRect> seams = flapTiles(grid, rect);
    for (DotRect& tile : seams) {
        tile.y += tile.height / 2 - thickness / 2;
        tile.height = thickness;
    }
    return seams;
}

BoardLayers boardLayers(const DotGrid& grid, DotRect offered)
{
    BoardLayers layers;
    layers.box = boardBox(grid.columns, grid.rows, offered);
    layers.pitch = gridMetrics(grid.columns, grid.rows, layers.box).pitch;
    layers.tiles = flapTiles(grid, layers.box);
    layers.seams = flapSeams(grid, layers.box);
    layers.unlitDots = dotCircles(grid, Dot::off, kDotFill, layers.box);
    layers.litDots = dotCircles(grid, Dot::on, kDotFill, layers.box);
    return layers;
}

RowsLayout rowsLayout(int lineCount, int cells, double lineGap, DotAlignment alignment, DotRect area)
{
    const int columns = std::max(cells * (DotFont::kGlyphWidth + 1) - 1, 1);
    const int lines = std::max(lineCount, 1);
    lineGap = std::max(lineGap, 0.0);
    const double rowsTall = DotFont::kGlyphHeight * lines + (lines - 1) * lineGap;
    const double pitch = std::max(std::min(area.width / columns, area.height / rowsTall), 0.0);

    const DotRect stack = aligned({pitch * columns, pitch * rowsTall}, area, alignment);
    RowsLayout layout {pitch, {}};
    layout.rows.reserve(static_cast<std::size_t>(std::max(lineCount, 0)));
    for (int line = 0; line < lineCount; ++line) {
        const double y = stack.y + line * (DotFont::kGlyphHeight + lineGap) * pitch;
        layout.rows.push_back({stack.x, y, pitch * columns, DotFont::kGlyphHeight * pitch});
    }
    return layout;
}

} // namespace quillon
