// A rectangle of dots: lines of text in the dot font, or a fill bar.
#pragma once

#include "platform/geometry/plane.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

// `none` is no dot at all (the gaps between cells and lines); `off` an unlit dot; `on` a lit one.
enum class Dot : std::uint8_t { none = 0, off = 1, on = 2 };

std::optional<Dot> dotFromRawValue(std::uint8_t rawValue);

using DotPoint = PointF;

struct DotGrid {
    // Grids are bounded so that absurd cell or line counts cannot exhaust memory: cell counts are
    // clamped, and lines that would take a grid past kMaxDots are left out from the bottom.
    static constexpr int kMaxCells = 16384;
    static constexpr int kMaxLineGap = 255;
    static constexpr std::int64_t kMaxDots = std::int64_t {1} << 24;

    int columns = 1;
    int rows = 1;
    std::vector<Dot> dots {Dot::none}; // row-major
    std::vector<DotPoint> cellOrigins; // top-left dot of each character cell, line by line

    // Each line normalised and set in `cells` cells of 5 x 7 dots, one empty column between cells
    // and `lineGap` empty rows between lines; longer lines are cut, shorter ones end in blanks.
    static DotGrid text(std::span<const std::string> lines, int cells, int lineGap);

    // A bar filled from the left: round(fraction x columns) lit columns, halves away from zero.
    // A fraction that is not a number lights nothing.
    static DotGrid bar(double fraction, int columns, int rows);

    Dot at(int column, int row) const;

    bool operator==(const DotGrid&) const = default;
};

} // namespace quillon
