// Scheduling and sampling flips.
#include "scenes/flap_board.h"

#include "core/dot_font.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {
namespace {

// Whole units of a time, truncated toward zero and kept inside 64 bits.
std::int64_t truncated(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double kLimit = 9.2e18;
    return static_cast<std::int64_t>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

std::uint64_t bits(std::int64_t value)
{
    return static_cast<std::uint64_t>(value);
}

} // namespace

double flipFraction(std::uint64_t h)
{
    std::uint64_t x = h ^ (h >> 33);
    x *= 0xFF51AFD7ED558CCDULL;
    x ^= x >> 33;
    return static_cast<double>(x % 10000) / 10000.0;
}

std::uint64_t flipSeed(std::int64_t line, std::int64_t cell, std::int64_t step)
{
    // Unsigned arithmetic wraps as the products of the signed values would.
    return ((bits(line) * 73856093ULL) ^ (bits(step) * 83492791ULL)) ^ (bits(cell) * 19349663ULL);
}

void FlapBoard::update(const std::vector<std::string>& lines, double now)
{
    if (lines == m_source)
        return;
    m_source = lines;

    const auto width = static_cast<std::size_t>(m_cells);
    std::vector<std::u32string> targets;
    for (const std::string& line : lines) {
        std::u32string target = DotFont::normalize(line).substr(0, width);
        target.resize(width, U' ');
        targets.push_back(std::move(target));
    }
    std::vector<std::vector<FlipWindow>> windows(lines.size(), std::vector<FlipWindow>(width));
    if (lines.empty()) {
        m_targets.clear();
        m_windows.clear();
        return;
    }

    const std::int64_t step = truncated(now);
    const double cellDelay
        = width > 1 ? std::min(kCellDelay, kMaxCascade / static_cast<double>(width - 1)) : kCellDelay;
    for (std::size_t line = 0; line < targets.size(); ++line) {
        const double lineStart = now + kLineDelay * static_cast<double>(line);
        for (std::size_t cell = 0; cell < width; ++cell) {
            const bool unchanged = line < m_targets.size() && m_targets[line][cell] == targets[line][cell];
            if (unchanged) {
                if (line < m_windows.size())
                    windows[line][cell] = m_windows[line][cell];
                continue;
            }
            const double start = lineStart + cellDelay * static_cast<double>(width - 1 - cell);
            const double r = flipFraction(
                flipSeed(static_cast<std::int64_t>(line), static_cast<std::int64_t>(cell), step));
            const double end = start + kMinFlip + kFlipSpread * r;
            windows[line][cell] = {start, end};
            m_animatingUntil = std::max(m_animatingUntil, end);
        }
    }
    m_targets = std::move(targets);
    m_windows = std::move(windows);
}

std::vector<std::string> FlapBoard::lines(double t) const
{
    std::vector<std::string> shown;
    shown.reserve(m_targets.size());
    const std::int64_t step = truncated(kStepsPerSecond * t);
    for (std::size_t line = 0; line < m_targets.size(); ++line) {
        std::u32string characters = m_targets[line];
        for (std::size_t cell = 0; cell < characters.size(); ++cell) {
            const FlipWindow& window = m_windows[line][cell];
            if (window.end > window.start && window.start <= t && t <= window.end) {
                const double r = flipFraction(
                    flipSeed(static_cast<std::int64_t>(line), static_cast<std::int64_t>(cell), step));
                const auto index
                    = std::min<std::size_t>(static_cast<std::size_t>(r * 37), kFlipAlphabet.size() - 1);
                characters[cell] = kFlipAlphabet[index];
            }
        }
        shown.push_back(text::utf8FromUtf32(characters));
    }
    return shown;
}

} // namespace quillon
