// Times and dates as the board and the clock write them.
#include "scenes/time_texts.h"

#include "platform/calendar/calendar.h"
#include "platform/calendar/date_format.h"

#include <cstdio>

namespace quillon {
namespace {

DateComponents componentsIn(Instant instant, const TimeZone& zone)
{
    // Week rules play no part in the hour and minute.
    return Calendar(zone, 1, 1).components(instant);
}

} // namespace

std::string upperCasedAscii(std::string text)
{
    for (char& character : text) {
        if (character >= 'a' && character <= 'z')
            character = static_cast<char>(character - 'a' + 'A');
    }
    return text;
}

std::string clockTimeText(Instant instant, const TimeZone& zone, bool use24h)
{
    const DateComponents components = componentsIn(instant, zone);
    int hour = components.hour;
    if (!use24h) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, components.minute);
    return text;
}

std::string meridiemText(Instant instant, const TimeZone& zone)
{
    return componentsIn(instant, zone).hour < 12 ? "AM" : "PM";
}

std::string clockDateText(Instant instant, const TimeZone& zone)
{
    return upperCasedAscii(formatPosixDate(instant, zone, "EEE dd MMM"));
}

TimeZone cityZone(const City& city, const TimeZone& fallback)
{
    return TimeZone::named(city.timeZoneID).value_or(fallback);
}

std::string boardRowText(const City& city, Instant instant, bool use24h, const TimeZone& fallback)
{
    const TimeZone zone = cityZone(city, fallback);
    if (use24h)
        return clockTimeText(instant, zone, true) + " " + city.name;
    std::string time = clockTimeText(instant, zone, false);
    if (time.front() == '0')
        time.front() = ' ';
    return time + meridiemText(instant, zone).front() + " " + city.name;
}

} // namespace quillon
