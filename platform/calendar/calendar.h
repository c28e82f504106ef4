// The user's Gregorian calendar in a time zone: date fields, period intervals and date arithmetic.
#pragma once

#include "platform/calendar/civil_date.h"
#include "platform/calendar/instant.h"
#include "platform/calendar/time_zone.h"

#include <optional>
#include <string_view>

namespace quillon {

enum class CalendarUnit { day, weekOfYear, month, year };

struct DateInterval {
    Instant start;
    double duration = 0; // seconds
    Instant end() const { return start + duration; }
    bool operator==(const DateInterval&) const = default;
};

struct DateComponents {
    std::int64_t year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 1; // 1 = Sunday ... 7 = Saturday
    int dayOfYear = 1;
    int weekOfYear = 1;
    std::int64_t yearForWeekOfYear = 1970; // the year whose weeks weekOfYear counts
    bool operator==(const DateComponents&) const = default;
};

class Calendar {
public:
    // firstWeekday: 1 = Sunday ... 7 = Saturday; minimumDaysInFirstWeek: 1 to 7, the days of
    // January a week needs to be week 1 of that year (1 in the US, 4 under ISO 8601).
    Calendar(TimeZone zone, int firstWeekday, int minimumDaysInFirstWeek);

    // The week rules of the user's locale (LC_ALL, LC_TIME, LANG) and the machine's zone.
    static Calendar current();
    // The week rules of an ICU locale identifier such as "de_DE".
    static Calendar forLocale(std::string_view localeIdentifier, TimeZone zone);

    const TimeZone& timeZone() const { return m_zone; }
    Calendar withTimeZone(TimeZone zone) const;
    int firstWeekday() const { return m_firstWeekday; }
    int minimumDaysInFirstWeek() const { return m_minimumDaysInFirstWeek; }

    DateComponents components(Instant instant) const;

    // The day, week, month or year containing the instant, from its first instant to the first
    // instant of the next: a day with a daylight-saving change lasts 23 or 25 hours, and a day
    // whose midnight is skipped starts at the first instant that exists. Nothing for an instant
    // that is not a number or lies beyond the calendar's range.
    std::optional<DateInterval> interval(CalendarUnit unit, Instant instant) const;

    Instant startOfDay(Instant instant) const;
    Instant startOfMinute(Instant instant) const;

    // The first instant of a wall-clock date and time in this zone: the first of two when the
    // time repeats, the first instant after the gap when it is skipped.
    Instant instantAt(CivilDate date, int hour, int minute, int second) const;

    // The same wall-clock time on another date (the day clamped to the end of a shorter month).
    Instant addingDays(Instant instant, std::int64_t days) const;
    Instant addingMonths(Instant instant, std::int64_t months) const;
    Instant settingTime(Instant date, int hour, int minute, int second) const;

private:
    struct Local {
        std::int64_t days; // civil days since 1970-01-01
        std::int64_t secondOfDay; // 0 ... 86399
    };
    Local local(Instant instant) const;
    Instant startOfCivilDay(std::int64_t days) const;
    // The first day of week 1 of a year.
    std::int64_t firstDayOfWeekYear(std::int64_t year) const;
    std::int64_t startOfWeekContaining(std::int64_t days) const;

    TimeZone m_zone;
    int m_firstWeekday;
    int m_minimumDaysInFirstWeek;
};

} // namespace quillon
