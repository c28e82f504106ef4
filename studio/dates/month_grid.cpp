// The date picker's month calendar as plain calendar arithmetic.
#include "studio/dates/month_grid.h"

#include <cmath>

namespace quillon {
namespace {

bool isFinite(Instant instant)
{
    return std::isfinite(instant.secondsSinceReferenceDate);
}

// Outside the calendar's range every instant would count as the same clamped day.
bool isSameDay(Instant first, Instant second, const Calendar& calendar)
{
    if (!calendar.interval(CalendarUnit::day, first) || !calendar.interval(CalendarUnit::day, second))
        return false;
    return calendar.startOfDay(first) == calendar.startOfDay(second);
}

} // namespace

Instant startOfMonth(Instant instant, const Calendar& calendar)
{
    const auto month = calendar.interval(CalendarUnit::month, instant);
    return month ? month->start : instant;
}

std::vector<Instant> monthGridDays(Instant month, const Calendar& calendar)
{
    const Instant first = startOfMonth(month, calendar);
    const int weekday = calendar.components(first).weekday;
    const int daysBeforeFirst = (weekday - calendar.firstWeekday() + 7) % 7;
    Instant gridStart = calendar.addingDays(first, -daysBeforeFirst);
    if (!isFinite(gridStart))
        gridStart = first;

    std::vector<Instant> days;
    days.reserve(kMonthGridDays);
    for (int index = 0; index < kMonthGridDays; ++index) {
        const Instant day = calendar.addingDays(gridStart, index);
        if (!isFinite(day))
            continue;
        // Where midnight is skipped the day starts later; the grid holds each day's first instant.
        const Instant start = calendar.startOfDay(day);
        // At the edge of the calendar's range further days clamp onto the last one.
        if (!days.empty() && start <= days.back())
            continue;
        days.push_back(start);
    }
    return days;
}

double DayCellState::opacity() const
{
    if (!selectable)
        return 0.25;
    return inMonth ? 1.0 : 0.45;
}

DayCellState dayCellState(
    Instant day, Instant month, Instant selection, Instant earliest, Instant now, const Calendar& calendar)
{
    DayCellState state;
    if (const auto shown = calendar.interval(CalendarUnit::month, month))
        state.inMonth = day >= shown->start && day < shown->end();
    state.selected = isSameDay(day, selection, calendar);
    state.today = isSameDay(day, now, calendar);
    // The earliest moment is usually now: the rest of today can still be chosen.
    state.selectable = day >= calendar.startOfDay(earliest);
    return state;
}

Instant selectingDay(Instant day, Instant selection, const Calendar& calendar)
{
    int hour = 0;
    int minute = 0;
    if (calendar.interval(CalendarUnit::day, selection)) {
        const DateComponents time = calendar.components(selection);
        hour = time.hour;
        minute = time.minute;
    }
    const Instant selected = calendar.settingTime(day, hour, minute, 0);
    return isFinite(selected) ? selected : calendar.startOfDay(day);
}

std::optional<Instant> steppingMonth(Instant month, int months, const Calendar& calendar)
{
    const auto shown = calendar.interval(CalendarUnit::month, month);
    if (!shown)
        return std::nullopt;
    const Instant stepped = calendar.addingMonths(shown->start, months);
    if (!isFinite(stepped))
        return std::nullopt;
    // At the edge of the calendar's range the month clamps instead of moving.
    if ((months > 0 && stepped <= shown->start) || (months < 0 && stepped >= shown->start))
        return std::nullopt;
    // Stepping keeps the wall-clock time of the first instant, which is not midnight when this
    // month's first midnight was skipped.
    return startOfMonth(stepped, calendar);
}

bool canGoToToday(Instant month, Instant earliest, const Calendar& calendar)
{
    return startOfMonth(month, calendar) != startOfMonth(earliest, calendar);
}

bool canStepBack(Instant month, Instant earliest, const Calendar& calendar)
{
    return startOfMonth(month, calendar) > startOfMonth(earliest, calendar);
}

} // namespace quillon
