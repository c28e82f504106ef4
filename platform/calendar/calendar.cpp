// Calendar arithmetic on civil days and the zone's offsets.
#include "platform/calendar/calendar.h"

#include "platform/calendar/zone_rules.h"
#include "platform/text/user_locale.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace quillon {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kMaxCalendarYear = 400'000;

struct WeekRules {
    int firstWeekday = 1;
    int minimumDaysInFirstWeek = 1;
};

WeekRules weekRulesFromIcu(const std::string& localeIdentifier)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::Locale(localeIdentifier.c_str()), status));
    if (U_FAILURE(status) || !calendar)
        return {};
    const int firstWeekday = calendar->getFirstDayOfWeek(status);
    const int minimumDays = calendar->getMinimalDaysInFirstWeek();
    if (U_FAILURE(status))
        return {};
    return {std::clamp(firstWeekday, 1, 7), std::clamp(minimumDays, 1, 7)};
}

// Asking ICU builds a whole calendar; the answer for a locale never changes, so keep it.
WeekRules weekRulesFor(std::string_view localeIdentifier)
{
    static std::mutex mutex;
    static std::map<std::string, WeekRules, std::less<>> known;
    std::lock_guard lock(mutex);
    auto found = known.find(localeIdentifier);
    if (found == known.end())
        found = known.emplace(std::string(localeIdentifier), weekRulesFromIcu(std::string(localeIdentifier)))
                    .first;
    return found->second;
}

Instant instantFromUnix(std::int64_t unixSeconds)
{
    return Instant::fromUnixSeconds(static_cast<double>(unixSeconds));
}

} // namespace

Calendar::Calendar(TimeZone zone, int firstWeekday, int minimumDaysInFirstWeek)
    : m_zone(std::move(zone))
    , m_firstWeekday(std::clamp(firstWeekday, 1, 7))
    , m_minimumDaysInFirstWeek(std::clamp(minimumDaysInFirstWeek, 1, 7))
{
}

Calendar Calendar::current()
{
    return forLocale(text::userLocaleIdentifier("LC_TIME"), TimeZone::current());
}

Calendar Calendar::forLocale(std::string_view localeIdentifier, TimeZone zone)
{
    const WeekRules rules = weekRulesFor(localeIdentifier);
    return Calendar(std::move(zone), rules.firstWeekday, rules.minimumDaysInFirstWeek);
}

Calendar Calendar::withTimeZone(TimeZone zone) const
{
    return Calendar(std::move(zone), m_firstWeekday, m_minimumDaysInFirstWeek);
}

Calendar::Local Calendar::local(Instant instant) const
{
    const std::int64_t utc = wholeUnixSeconds(instant);
    const std::int64_t wall = utc + m_zone.rules().offsetAt(utc);
    return {floorDivide(wall, kSecondsPerDay), floorModulo(wall, kSecondsPerDay)};
}

Instant Calendar::startOfCivilDay(std::int64_t days) const
{
    return instantFromUnix(m_zone.rules().resolveLocal(days * kSecondsPerDay));
}

std::int64_t Calendar::startOfWeekContaining(std::int64_t days) const
{
    const int weekday = weekdayFromDays(days) + 1;
    return days - ((weekday - m_firstWeekday + 7) % 7);
}

std::int64_t Calendar::firstDayOfWeekYear(std::int64_t year) const
{
    const std::int64_t januaryFirst = daysFromCivil({year, 1, 1});
    const std::int64_t weekStart = startOfWeekContaining(januaryFirst);
    // The week holding 1 January is week 1 when enough of it falls in the new year.
    const std::int64_t daysInNewYear = weekStart + 7 - januaryFirst;
    return daysInNewYear >= m_minimumDaysInFirstWeek ? weekStart : weekStart + 7;
}

DateComponents Calendar::components(Instant instant) const
{
    const Local wall = local(instant);
    const CivilDate date = civilFromDays(wall.days);

    DateComponents result;
    result.year = date.year;
    result.month = date.month;
    result.day = date.day;
    result.hour = static_cast<int>(wall.secondOfDay / 3600);
    result.minute = static_cast<int>(wall.secondOfDay % 3600 / 60);
    result.second = static_cast<int>(wall.secondOfDay % 60);
    result.weekday = weekdayFromDays(wall.days) + 1;
    result.dayOfYear = static_cast<int>(wall.days - daysFromCivil({date.year, 1, 1}) + 1);

    std::int64_t weekYear = date.year;
    if (wall.days >= firstDayOfWeekYear(date.year + 1))
        weekYear = date.year + 1;
    else if (wall.days < firstDayOfWeekYear(date.year))
        weekYear = date.year - 1;
    result.yearForWeekOfYear = weekYear;
    result.weekOfYear = static_cast<int>((wall.days - firstDayOfWeekYear(weekYear)) / 7 + 1);
    return result;
}

std::optional<DateInterval> Calendar::interval(CalendarUnit unit, Instant instant) const
{
    const double unixSeconds = instant.unixSeconds();
    if (!std::isfinite(unixSeconds) || std::abs(unixSeconds) >= static_cast<double>(kMaxCalendarSeconds))
        return std::nullopt;

    const Local wall = local(instant);
    std::int64_t firstDay = wall.days;
    std::int64_t nextFirstDay = wall.days + 1;
    switch (unit) {
    case CalendarUnit::day:
        break;
    case CalendarUnit::weekOfYear:
        firstDay = startOfWeekContaining(wall.days);
        nextFirstDay = firstDay + 7;
        break;
    case CalendarUnit::month: {
        const CivilDate date = civilFromDays(wall.days);
        firstDay = daysFromCivil({date.year, date.month, 1});
        nextFirstDay = firstDay + daysInMonth(date.year, date.month);
        break;
    }
    case CalendarUnit::year: {
        const CivilDate date = civilFromDays(wall.days);
        firstDay = daysFromCivil({date.year, 1, 1});
        nextFirstDay = daysFromCivil({date.year + 1, 1, 1});
        break;
    }
    }
    const Instant start = startOfCivilDay(firstDay);
    const Instant end = startOfCivilDay(nextFirstDay);
    return DateInterval {start, end - start};
}

Instant Calendar::startOfDay(Instant instant) const
{
    return startOfCivilDay(local(instant).days);
}

Instant Calendar::startOfMinute(Instant instant) const
{
    const std::int64_t utc = wholeUnixSeconds(instant);
    const std::int64_t wall = utc + m_zone.rules().offsetAt(utc);
    // Measured on the wall clock: zones of old had offsets that were not whole minutes.
    return instantFromUnix(utc - floorModulo(wall, 60));
}

Instant Calendar::instantAt(CivilDate date, int hour, int minute, int second) const
{
    date.year = std::clamp<std::int64_t>(date.year, -kMaxCalendarYear, kMaxCalendarYear);
    date.month = std::clamp(date.month, 1, 12);
    date.day = std::clamp(date.day, 1, daysInMonth(date.year, date.month));
    const std::int64_t secondOfDay
        = std::clamp(hour, 0, 23) * 3600 + std::clamp(minute, 0, 59) * 60 + std::clamp(second, 0, 59);
    const std::int64_t limitDays = kMaxCalendarSeconds / kSecondsPerDay;
    const std::int64_t days = std::clamp(daysFromCivil(date), -limitDays, limitDays);
    return instantFromUnix(m_zone.rules().resolveLocal(days * kSecondsPerDay + secondOfDay));
}

Instant Calendar::addingDays(Instant instant, std::int64_t days) const
{
    const Local wall = local(instant);
    const std::int64_t limitDays = kMaxCalendarSeconds / kSecondsPerDay;
    const std::int64_t target
        = std::clamp(wall.days, -limitDays, limitDays) + std::clamp(days, -2 * limitDays, 2 * limitDays);
    const CivilDate date = civilFromDays(std::clamp(target, -limitDays, limitDays));
    const auto secondOfDay = static_cast<int>(wall.secondOfDay);
    return instantAt(date, secondOfDay / 3600, secondOfDay % 3600 / 60, secondOfDay % 60);
}

Instant Calendar::addingMonths(Instant instant, std::int64_t months) const
{
    const Local wall = local(instant);
    const CivilDate date = civilFromDays(wall.days);
    constexpr std::int64_t kLimitMonths = 12 * kMaxCalendarYear;
    const std::int64_t monthIndex
        = date.year * 12 + (date.month - 1) + std::clamp(months, -kLimitMonths, kLimitMonths);
    CivilDate target {
        floorDivide(monthIndex, 12), static_cast<int>(floorModulo(monthIndex, 12)) + 1, date.day};
    target.day = std::min(target.day, daysInMonth(target.year, target.month));
    const auto secondOfDay = static_cast<int>(wall.secondOfDay);
    return instantAt(target, secondOfDay / 3600, secondOfDay % 3600 / 60, secondOfDay % 60);
}

Instant Calendar::settingTime(Instant date, int hour, int minute, int second) const
{
    return instantAt(civilFromDays(local(date).days), hour, minute, second);
}

} // namespace quillon
