// The quick dates of the countdown picker, each a step of calendar arithmetic with its fallback.
#include "studio/dates/quick_date.h"

#include <QtGlobal>

#include <cmath>

namespace quillon {
namespace {

constexpr int kTomorrowHour = 9;
constexpr double kLastMinuteOfMonth = -60; // seconds from the next month's start: 23:59:00

bool isFinite(Instant instant)
{
    return std::isfinite(instant.secondsSinceReferenceDate);
}

Instant orElse(Instant instant, Instant fallback)
{
    return isFinite(instant) ? instant : fallback;
}

} // namespace

std::string_view rawValue(QuickDate date)
{
    switch (date) {
    case QuickDate::tomorrow:
        return "tomorrow";
    case QuickDate::nextWeek:
        return "nextWeek";
    case QuickDate::endOfMonth:
        return "endOfMonth";
    case QuickDate::newYear:
        return "newYear";
    }
    return {};
}

std::string_view label(QuickDate date)
{
    switch (date) {
    case QuickDate::tomorrow:
        return QT_TRANSLATE_NOOP("quillon::QuickDate", "Tomorrow, 9 AM");
    case QuickDate::nextWeek:
        return QT_TRANSLATE_NOOP("quillon::QuickDate", "A week from now");
    case QuickDate::endOfMonth:
        return QT_TRANSLATE_NOOP("quillon::QuickDate", "End of this month");
    case QuickDate::newYear:
        return QT_TRANSLATE_NOOP("quillon::QuickDate", "New Year's Day");
    }
    return {};
}

Instant quickDate(QuickDate date, Instant now, const Calendar& calendar)
{
    switch (date) {
    case QuickDate::tomorrow: {
        const Instant day = orElse(calendar.addingDays(calendar.startOfDay(now), 1), now);
        return orElse(calendar.settingTime(day, kTomorrowHour, 0, 0), day);
    }
    case QuickDate::nextWeek:
        // By the calendar, not 7 × 24 hours, so a change of clocks keeps the time of day.
        return orElse(calendar.addingDays(now, 7), now);
    case QuickDate::endOfMonth: {
        const auto month = calendar.interval(CalendarUnit::month, now);
        return (month ? month->end() : now) + kLastMinuteOfMonth;
    }
    case QuickDate::newYear: {
        const std::int64_t year = calendar.components(now).year;
        return orElse(calendar.instantAt(CivilDate {year + 1, 1, 1}, 0, 0, 0), now);
    }
    }
    return now;
}

} // namespace quillon
