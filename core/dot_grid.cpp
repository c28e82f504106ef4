// Rasterising text and bars into dot grids.
#include "core/dot_grid.h"

#include "core/dot_font.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

constexpr int kCellPitch = DotFont::kGlyphWidth + 1;

} // namespace

std::optional<Dot> dotFromRawValue(std::uint8_t rawValue)
{
    if (rawValue > static_cast<std::uint8_t>(Dot::on))
        return std::nullopt;
    return static_cast<Dot>(rawValue);
}

DotGrid DotGrid::text(std::span<const std::string> lines, int cells, int lineGap)
{
    cells = std::clamp(cells, 0, kMaxCells);
    lineGap = std::clamp(lineGap, 0, kMaxLineGap);
    const int lineHeight = DotFont::kGlyphHeight + lineGap;

    DotGrid grid;
    grid.columns = std::max(cells * kCellPitch, 2) - 1;
    const std::int64_t maxLines = (kMaxDots / grid.columns + lineGap) / lineHeight;
    const auto lineCount
        = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(lines.size()), maxLines));
    grid.rows = std::max(lineCount * lineHeight - lineGap, 1);
    grid.dots.assign(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows), Dot::none);
    grid.cellOrigins.reserve(static_cast<std::size_t>(lineCount) * static_cast<std::size_t>(cells));

    const auto width = static_cast<std::size_t>(grid.columns);
    for (int line = 0; line < lineCount; ++line) {
        const std::u32string characters = DotFont::normalize(lines[static_cast<std::size_t>(line)]);
        const int top = line * lineHeight;
        for (int cell = 0; cell < cells; ++cell) {
            const auto index = static_cast<std::size_t>(cell);
            const DotGlyph& glyph = DotFont::glyph(index < characters.size() ? characters[index] : U' ');
            const int left = cell * kCellPitch;
            grid.cellOrigins.push_back({static_cast<double>(left), static_cast<double>(top)});
            for (int row = 0; row < DotFont::kGlyphHeight; ++row) {
                const unsigned mask = glyph[static_cast<std::size_t>(row)];
                Dot* out = grid.dots.data() + static_cast<std::size_t>(top + row) * width
                    + static_cast<std::size_t>(left);
                for (int column = 0; column < DotFont::kGlyphWidth; ++column)
                    out[column] = (mask >> (DotFont::kGlyphWidth - 1 - column)) & 1U ? Dot::on : Dot::off;
            }
        }
    }
    return grid;
}

DotGrid DotGrid::bar(double fraction, int columns, int rows)
{
    DotGrid grid;
    grid.columns = std::clamp(columns, 1, kMaxCells * kCellPitch);
    grid.rows = static_cast<int>(std::clamp<std::int64_t>(rows, 1, kMaxDots / grid.columns));
    const int lit = std::isnan(fraction)
        ? 0
        : static_cast<int>(std::round(std::clamp(fraction, 0.0, 1.0) * grid.columns));
    grid.dots.resize(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
    for (std::size_t index = 0; index < grid.dots.size(); ++index)
        grid.dots[index]
            = static_cast<int>(index % static_cast<std::size_t>(grid.columns)) < lit ? Dot::on : Dot::off;
    return grid;
}

Dot DotGrid::at(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return Dot::none;
    return dots[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns)
        + static_cast<std::size_t>(column)];
}

} // namespace quillon
