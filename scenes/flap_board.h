// The split-flap animation of one text block: which cells flip when, and what they show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// What a flipping cell shows, in this order.
inline constexpr std::u32string_view kFlipAlphabet = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:";

// A number in [0, 0.9999] mixed from 64 bits: the board's only source of chance, so that the same
// cell at the same moment always shows the same character.
double flipFraction(std::uint64_t bits);
// The bits for cell `cell` of line `line` at time step `step`.
std::uint64_t flipSeed(std::int64_t line, std::int64_t cell, std::int64_t step);

struct FlipWindow {
    double start = 0;
    double end = 0;
    bool operator==(const FlipWindow&) const = default;
};

// Times are seconds since 2001-01-01T00:00:00Z: the random choices depend on their whole seconds.
class FlapBoard {
public:
    static constexpr double kLineDelay = 0.07; // each line starts this long after the one above
    static constexpr double kCellDelay = 0.028; // each cell this long after the one to its right
    // A line's cascade takes at most this long: a title thousands of cells wide would otherwise
    // keep the card flipping, and redrawing, for minutes. No board of a display comes near it.
    static constexpr double kMaxCascade = 1.0;
    static constexpr double kMinFlip = 0.45;
    static constexpr double kFlipSpread = 0.5; // a flip lasts from kMinFlip to kMinFlip + kFlipSpread
    static constexpr int kStepsPerSecond = 18;

    explicit FlapBoard(int cells)
        : m_cells(cells < 0 ? 0 : cells)
    {
    }

    // Takes new lines: cells whose character changed, and every cell of a new line, get a flip
    // window from now; unchanged cells keep theirs. The same lines again change nothing.
    void update(const std::vector<std::string>& lines, double now);

    // The lines to show at time t, each `cells` characters.
    std::vector<std::string> lines(double t) const;

    int cells() const { return m_cells; }
    const std::vector<std::u32string>& targets() const { return m_targets; }
    const std::vector<std::vector<FlipWindow>>& windows() const { return m_windows; }
    // The latest end of any window ever scheduled; it never decreases.
    double animatingUntil() const { return m_animatingUntil; }

private:
    int m_cells;
    std::vector<std::u32string> m_targets;
    std::vector<std::string> m_source;
    std::vector<std::vector<FlipWindow>> m_windows;
    double m_animatingUntil = 0;
};

} // namespace quillon
