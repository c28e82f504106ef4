// Coverage of axis-aligned and rounded rectangles, computed per row and per column.
#include "render/pixel_canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillon {
namespace {

// The part of the pixel [index, index + 1) that lies within [from, to].
double spanCoverage(int index, double from, double to)
{
    return std::clamp(std::min(to, index + 1.0) - std::max(from, static_cast<double>(index)), 0.0, 1.0);
}

std::uint32_t toByte(double coverage)
{
    return static_cast<std::uint32_t>(std::clamp(coverage, 0.0, 1.0) * 255 + 0.5);
}

struct PixelSpan {
    int first = 0;
    int last = -1; // inclusive
};

PixelSpan clampedSpan(double from, double to, int first, int limit)
{
    return {std::max(static_cast<int>(std::floor(from)), first),
        std::min(static_cast<int>(std::ceil(to)) - 1, limit - 1)};
}

} // namespace

PremultipliedPixel premultiplied(DotColor colour, double extraOpacity)
{
    const std::uint32_t alpha = toByte(colour.opacity * extraOpacity);
    return alpha << 24 | multiply255(colour.red, alpha) << 16 | multiply255(colour.green, alpha) << 8
        | multiply255(colour.blue, alpha);
}

void fillRect(const PixelCanvas& canvas, PixelRect rect, PremultipliedPixel colour)
{
    const PixelSpan columns = clampedSpan(rect.left, rect.right, canvas.left, canvas.width);
    const PixelSpan rows = clampedSpan(rect.top, rect.bottom, canvas.top, canvas.height);
    if (columns.first > columns.last || rows.first > rows.last)
        return;
    std::vector<double> across(static_cast<std::size_t>(columns.last - columns.first + 1));
    for (int x = columns.first; x <= columns.last; ++x)
        across[static_cast<std::size_t>(x - columns.first)] = spanCoverage(x, rect.left, rect.right);
    for (int y = rows.first; y <= rows.last; ++y) {
        const double down = spanCoverage(y, rect.top, rect.bottom);
        std::uint32_t* line = canvas.row(y);
        for (int x = columns.first; x <= columns.last; ++x) {
            const std::uint32_t coverage = toByte(down * across[static_cast<std::size_t>(x - columns.first)]);
            if (coverage)
                line[x] = over(coverage == 255 ? colour : scaled(colour, coverage), line[x]);
        }
    }
}

void fillRoundedRect(const PixelCanvas& canvas, PixelRect rect, double radius, PremultipliedPixel colour)
{
    radius = std::clamp(radius, 0.0, std::min(rect.right - rect.left, rect.bottom - rect.top) / 2);
    const PixelSpan columns = clampedSpan(rect.left, rect.right, canvas.left, canvas.width);
    const PixelSpan rows = clampedSpan(rect.top, rect.bottom, canvas.top, canvas.height);
    if (columns.first > columns.last || rows.first > rows.last)
        return;
    const ColourRamp ramp(colour);
    const double innerLeft = rect.left + radius;
    const double innerRight = rect.right - radius;
    const double innerTop = rect.top + radius;
    const double innerBottom = rect.bottom - radius;

    thread_local std::vector<double> across;
    across.resize(static_cast<std::size_t>(columns.last - columns.first + 1));
    for (int x = columns.first; x <= columns.last; ++x)
        across[static_cast<std::size_t>(x - columns.first)] = spanCoverage(x, rect.left, rect.right);

    for (int y = rows.first; y <= rows.last; ++y) {
        const double centreY = y + 0.5;
        const double down = spanCoverage(y, rect.top, rect.bottom);
        const bool cornerRow = centreY < innerTop || centreY > innerBottom;
        const double cornerY = centreY < innerTop ? innerTop : innerBottom;
        std::uint32_t* line = canvas.row(y);
        // Whole pixels between the corners of a fully covered row need no coverage at all.
        int solidFirst = columns.last + 1;
        int solidLast = columns.last;
        if (!cornerRow && down >= 1.0) {
            solidFirst = std::max(static_cast<int>(std::ceil(rect.left)), columns.first);
            solidLast = std::min(static_cast<int>(std::floor(rect.right)) - 1, columns.last);
        }
        for (int x = columns.first; x <= columns.last; ++x) {
            if (x == solidFirst && solidFirst <= solidLast) {
                for (; x <= solidLast; ++x)
                    line[x] = over(colour, line[x]);
                if (x > columns.last)
                    break;
            }
            const double centreX = x + 0.5;
            double coverage;
            if (cornerRow && (centreX < innerLeft || centreX > innerRight)) {
                // Inside a corner square: the distance to the arc's centre decides.
                const double dx = centreX - (centreX < innerLeft ? innerLeft : innerRight);
                const double dy = centreY - cornerY;
                coverage = radius - std::sqrt(dx * dx + dy * dy) + 0.5;
            } else {
                coverage = down * across[static_cast<std::size_t>(x - columns.first)];
            }
            const std::uint32_t byte = toByte(coverage);
            if (byte)
                line[x] = over(ramp.byCoverage[byte], line[x]);
        }
    }
}

} // namespace quillon
