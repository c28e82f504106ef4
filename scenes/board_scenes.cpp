// The world board, clock and day displays.
#include "scenes/scene_builders.h"

#include "platform/calendar/date_format.h"
#include "scenes/scene_parts.h"
#include "scenes/time_texts.h"

#include <algorithm>
#include <array>

namespace quillon {

using namespace scene_parts;

namespace {

struct BoardShape {
    std::size_t rows;
    int cells;
};

BoardShape boardShape(DotSize size)
{
    switch (size) {
    case DotSize::small:
        return {3, 9};
    case DotSize::medium:
        return {4, 17};
    case DotSize::large:
        return {8, 17};
    case DotSize::extraLarge:
        return {7, 26};
    }
    return {4, 17};
}

} // namespace

DotScene boardScene(
    const std::vector<City>& cities, bool use24h, Instant instant, DotSize size, const Calendar& calendar)
{
    const BoardShape shape = boardShape(size);
    std::vector<std::string> lines;
    for (std::size_t index = 0; index < std::min(cities.size(), shape.rows); ++index)
        lines.push_back(boardRowText(cities[index], instant, use24h, calendar.timeZone()));
    if (lines.empty())
        lines.push_back("ADD A CITY");
    return {{TextBlock {std::move(lines), shape.cells, 1, DotAlignment::center()}}, 8, 16};
}

DotScene clockScene(const City& city, bool use24h, Instant instant, DotSize size, const Calendar& calendar)
{
    const TimeZone zone = cityZone(city, calendar.timeZone());
    const std::string time = clockTimeText(instant, zone, use24h);
    std::string date = clockDateText(instant, zone);
    if (!use24h)
        date += " " + meridiemText(instant, zone);
    const Spacing spacing = bySize(size, {8, 16}, {8, 18}, {12, 20});
    const DotAlignment leading = DotAlignment::leading();
    const DotAlignment centre = DotAlignment::center();

    switch (size) {
    case DotSize::small:
        return scene({textBlock(city.name, 9, 1, leading), textBlock(time, 5, 2.2, centre),
                         textBlock(date, 10, 1, leading)},
            spacing);
    case DotSize::medium:
        return scene(
            {textBlock(time, 5, 2.6, centre), textBlock(city.name + " " + date, 22, 1, centre)}, spacing);
    case DotSize::large:
    case DotSize::extraLarge:
        break;
    }
    // The bar would move on within the minute: take it at the minute's start, as the time is.
    const double dayFraction
        = periodFraction(ProgressPeriod::day, calendar.startOfMinute(instant), calendar.withTimeZone(zone));
    return scene({textBlock(city.name, 12, 1, leading), textBlock(time, 5, 3, centre),
                     textBlock(date, 12, 1, leading), barBlock(dayFraction, 12, 0.45)},
        spacing);
}

DotScene dayScene(Instant instant, DotSize size, const Calendar& calendar)
{
    const TimeZone& zone = calendar.timeZone();
    const auto date
        = [&](const char* pattern) { return upperCasedAscii(formatPosixDate(instant, zone, pattern)); };
    const Spacing spacing = bySize(size, {8, 16}, {10, 18}, {12, 20});
    const DotAlignment leading = DotAlignment::leading();
    const DotAlignment centre = DotAlignment::center();

    if (size == DotSize::small)
        return scene({textBlock(date("EEE"), 3, 1, centre), textBlock(date("dd"), 2, 2.2, centre),
                         textBlock(date("MMM"), 3, 1, centre)},
            spacing);
    // The bar would move on within the minute: take it at the minute's start.
    const double fraction = periodFraction(ProgressPeriod::day, calendar.startOfMinute(instant), calendar);
    if (size == DotSize::medium)
        return scene({textBlock(date("EEEE"), 9, 1.5, leading), textBlock(date("dd MMMM"), 16, 1, leading),
                         barBlock(fraction, 16, 0.5)},
            spacing);

    const DateComponents components = calendar.components(instant);
    const std::string numbers
        = "WEEK " + std::to_string(components.weekOfYear) + "  DAY " + std::to_string(components.dayOfYear);
    return scene({textBlock(date("EEEE"), 9, 1.3, leading), textBlock(date("dd"), 2, 2.6, leading),
                     textBlock(date("MMMM yyyy"), 14, 1, leading), barBlock(fraction, 14, 0.45),
                     textBlock(numbers, 18, 0.8, leading)},
        spacing);
}

} // namespace quillon
