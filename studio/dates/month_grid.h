// The month calendar of the countdown date picker, apart from its widgets: which 42 days it shows,
// how each one looks, and what selecting one or stepping the month does.
#pragma once

#include "platform/calendar/calendar.h"

#include <optional>
#include <vector>

namespace quillon {

inline constexpr int kMonthGridDays = 42; // six weeks

// The first instant of the month that contains the instant; the instant itself when the calendar
// has no month for it.
Instant startOfMonth(Instant instant, const Calendar& calendar);

// The days shown for the month that starts at `month`, each at the start of its day: six weeks from
// the calendar's first weekday on or before the month's first day. A day the calendar cannot
// compute is left out, so there may be fewer than 42.
std::vector<Instant> monthGridDays(Instant month, const Calendar& calendar);

struct DayCellState {
    bool inMonth = false; // in the month on show
    bool selected = false; // the same day as the selection
    bool today = false; // the same day as the current time
    bool selectable = false; // not before the start of the day of the earliest moment
    // 1.0 for a selectable day of the month on show, 0.45 for a selectable day of the month before or
    // after, 0.25 for a day that cannot be selected.
    double opacity() const;
    bool operator==(const DayCellState&) const = default;
};

DayCellState dayCellState(
    Instant day, Instant month, Instant selection, Instant earliest, Instant now, const Calendar& calendar);

// The selection after picking `day`: that day at the selection's hour and minute with seconds 0, by
// the calendar's rule for times daylight saving skips or repeats; the day at midnight when that
// fails.
Instant selectingDay(Instant day, Instant selection, const Calendar& calendar);

// The month `months` away from the month that starts at `month`; nothing when the calendar cannot
// get there.
std::optional<Instant> steppingMonth(Instant month, int months, const Calendar& calendar);

// The header's rules: "Today" is enabled away from the earliest moment's month; the previous-month
// button only while the month on show is later than that month.
bool canGoToToday(Instant month, Instant earliest, const Calendar& calendar);
bool canStepBack(Instant month, Instant earliest, const Calendar& calendar);

} // namespace quillon
