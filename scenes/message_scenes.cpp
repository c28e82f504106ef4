// The progress, countdown and sign displays.
#include "scenes/scene_builders.h"

#include "core/dot_font.h"
#include "platform/calendar/date_format.h"
#include "platform/text/utf.h"
#include "scenes/display_text.h"
#include "scenes/scene_parts.h"
#include "scenes/text_fitting.h"
#include "scenes/time_texts.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quillon {

using namespace scene_parts;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kMaxSignWidth = 40;
constexpr int kMaxSignLines = 99;

// Seconds between two instants, truncated toward zero. Targets can be arbitrarily far away, so
// the difference is clamped into 64 bits first, and one that is not a number counts as none.
std::int64_t wholeSecondsBetween(Instant from, Instant to)
{
    const double seconds = to - from;
    if (std::isnan(seconds))
        return 0;
    constexpr double kLimit = 9.2e18; // just inside the 64-bit range
    return static_cast<std::int64_t>(std::trunc(std::clamp(seconds, -kLimit, kLimit)));
}

std::string percentText(double fraction)
{
    const double percent = std::isfinite(fraction) ? std::floor(fraction * 100) : 0.0;
    return std::to_string(static_cast<int>(std::clamp(percent, -999.0, 999.0))) + "%";
}

int length(const std::string& asciiText)
{
    return static_cast<int>(asciiText.size());
}

// The sign's nominal content area by size, in points: only the choice of line width uses it.
struct Area {
    double width;
    double height;
};

Area signArea(DotSize size)
{
    switch (size) {
    case DotSize::small:
        return {132, 132};
    case DotSize::medium:
        return {312, 132};
    case DotSize::large:
        return {312, 312};
    case DotSize::extraLarge:
        return {692, 312};
    }
    return {312, 132};
}

DotBlock titleBlock(std::string_view title, int width, int maxLines)
{
    FittedLines fitted = fitLines(title, width, maxLines);
    const double weight = textWeight(fitted.lines.size());
    return TextBlock {std::move(fitted.lines), fitted.cells, weight, DotAlignment::leading()};
}

} // namespace

std::string periodLabel(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    const TimeZone& zone = calendar.timeZone();
    switch (period) {
    case ProgressPeriod::day:
        return upperCasedAscii(formatPosixDate(instant, zone, "EEEE"));
    case ProgressPeriod::week:
        return "WEEK " + std::to_string(calendar.components(instant).weekOfYear);
    case ProgressPeriod::month:
        return upperCasedAscii(formatPosixDate(instant, zone, "MMMM"));
    case ProgressPeriod::year:
        return formatPosixDate(instant, zone, "yyyy");
    }
    return {};
}

std::string periodRemainingText(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    const DateInterval interval = periodInterval(period, instant, calendar);
    const std::int64_t seconds = std::max<std::int64_t>(wholeSecondsBetween(instant, interval.end()), 0);
    if (period != ProgressPeriod::day && seconds >= kSecondsPerDay)
        return std::to_string((seconds + kSecondsPerDay - 1) / kSecondsPerDay) + " DAYS LEFT";
    return std::to_string(seconds / 3600) + "H " + std::to_string(seconds % 3600 / 60) + "M LEFT";
}

DotScene progressScene(ProgressPeriod period, Instant instant, DotSize size, const Calendar& calendar)
{
    // The percent, the bar and what is left would move on within the minute: take them at its start.
    const Instant minute = calendar.startOfMinute(instant);
    const double fraction = periodFraction(period, minute, calendar);
    const std::string percent = percentText(fraction);
    const std::string label = periodLabel(period, minute, calendar);
    const Spacing spacing = bySize(size, {8, 16}, {12, 18}, {14, 20});
    const DotAlignment leading = DotAlignment::leading();
    const DotAlignment centre = DotAlignment::center();

    switch (size) {
    case DotSize::small:
        return scene({textBlock(label, 9, 1, leading), textBlock(percent, length(percent), 2, centre),
                         barBlock(fraction, 9, 0.5)},
            spacing);
    case DotSize::medium: {
        std::string line = label;
        line.resize(12, ' ');
        line += std::string(static_cast<std::size_t>(std::max(4 - length(percent), 0)), ' ') + percent;
        return scene({textBlock(line, 16, 1, centre), barBlock(fraction, 16, 0.9),
                         textBlock(periodRemainingText(period, minute, calendar), 16, 0.8, centre)},
            spacing);
    }
    case DotSize::large:
    case DotSize::extraLarge:
        break;
    }
    return scene({textBlock(label, 10, 1, leading), textBlock(percent, length(percent), 2.6, centre),
                     barBlock(fraction, 10, 0.6),
                     textBlock(periodRemainingText(period, minute, calendar), 14, 0.8, centre)},
        spacing);
}

DotScene countdownScene(
    std::string_view fullTitle, Instant target, Instant now, DotSize size, const Calendar& calendar)
{
    const std::string title = limitedDisplayText(fullTitle);
    // From the start of the minute, like the widgets' entry for it: the figures hold for the whole
    // minute and agree with a clock, which at 11:41 leaves 00:19 to 12:00; a target on a whole minute
    // reads 00:01 through the minute before it and NOW! from its first second.
    const std::int64_t remaining = wholeSecondsBetween(calendar.startOfMinute(now), target);
    const std::int64_t counted = std::max<std::int64_t>(remaining, 0);
    const std::int64_t days = counted / kSecondsPerDay;
    const auto hours = static_cast<int>(counted % kSecondsPerDay / 3600);
    const auto minutes = static_cast<int>(counted % 3600 / 60);

    std::string big;
    std::string unit;
    if (remaining >= kSecondsPerDay) {
        big = std::to_string(days);
        unit = days == 1 ? "DAY" : "DAYS";
    } else {
        char clock[8];
        std::snprintf(clock, sizeof clock, "%02d:%02d", hours, minutes);
        big = clock;
        unit = remaining < 1 ? "NOW!" : "HRS MIN";
    }
    char detail[48];
    std::snprintf(detail, sizeof detail, "%" PRId64 "D %02dH %02dM", days, hours, minutes);
    const int bigCells = std::max(length(big), 2);
    const Spacing spacing = bySize(size, {8, 16}, {12, 18}, {12, 20});
    const DotAlignment leading = DotAlignment::leading();
    const DotAlignment centre = DotAlignment::center();

    switch (size) {
    case DotSize::small:
        return scene(
            {titleBlock(title, 9, 3), textBlock(big, bigCells, 2.2, centre), textBlock(unit, 9, 1, leading)},
            spacing);
    case DotSize::medium:
        return scene({titleBlock(title, 16, 2), textBlock(detail, 11, 2, centre)}, spacing);
    case DotSize::large:
    case DotSize::extraLarge:
        break;
    }
    return scene({titleBlock(title, 10, 3), textBlock(big, bigCells, 2.8, centre),
                     textBlock(unit, 10, 1, leading), textBlock(detail, 14, 0.8, centre)},
        spacing);
}

DotScene signScene(std::string_view message, DotSize size)
{
    const std::u32string normalized = DotFont::normalize(limitedDisplayText(message));
    const std::size_t first = normalized.find_first_not_of(U' ');
    std::u32string text = first == std::u32string::npos
        ? std::u32string(U"YOUR MESSAGE")
        : normalized.substr(first, normalized.find_last_not_of(U' ') - first + 1);
    const std::string utf8 = text::utf8FromUtf32(text);

    std::size_t longest = 0;
    std::size_t run = 0;
    for (char32_t character : text) {
        run = character == U' ' ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    const int firstWidth = longest == 0 ? 4 : static_cast<int>(std::clamp<std::size_t>(longest, 4, 12));

    const Area area = signArea(size);
    const std::vector<int> lineCounts = wrappedLineCounts(utf8, firstWidth, kMaxSignWidth, kMaxSignLines);
    int bestWidth = firstWidth;
    double bestPitch = -1;
    for (int width = firstWidth; width <= kMaxSignWidth; ++width) {
        const double lines = std::max(lineCounts[static_cast<std::size_t>(width - firstWidth)], 1);
        const double pitch
            = std::min(area.width / (width * 6 - 1), area.height / (7 * lines + 3 * (lines - 1)));
        // Ties keep the narrower width.
        if (pitch > bestPitch) {
            bestPitch = pitch;
            bestWidth = width;
        }
    }

    std::vector<std::string> lines = wrapWords(utf8, bestWidth, kMaxSignLines);
    if (lines.empty())
        lines.push_back(" ");
    for (std::string& line : lines) {
        const auto characters = static_cast<int>(text::utf32FromUtf8(line).size());
        if (characters < bestWidth)
            line.insert(0, static_cast<std::size_t>((bestWidth - characters) / 2), ' ');
    }
    return {{TextBlock {std::move(lines), bestWidth, 1, DotAlignment::center()}}, 8, 16};
}

} // namespace quillon
