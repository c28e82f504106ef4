// The countdown date picker's one-click dates, computed from the moment the picker opened.
#pragma once

#include "platform/calendar/calendar.h"

#include <array>
#include <string_view>

namespace quillon {

enum class QuickDate { tomorrow, nextWeek, endOfMonth, newYear };

inline constexpr std::array<QuickDate, 4> kAllQuickDates {
    QuickDate::tomorrow, QuickDate::nextWeek, QuickDate::endOfMonth, QuickDate::newYear};

// "tomorrow", "nextWeek", "endOfMonth", "newYear".
std::string_view rawValue(QuickDate date);
// "Tomorrow, 9 AM", "A week from now", "End of this month", "New Year's Day": the English label,
// listed for the translation tools under kQuickDateContext; the picker shows its translation.
inline constexpr const char* kQuickDateContext = "quillon::QuickDate";
std::string_view label(QuickDate date);

// Tomorrow at 09:00; a week from now at the same time of day; 23:59:00 on the last day of this
// month; 1 January of next year at midnight. A time of day that daylight saving skips gives the
// next time that exists, one it repeats the first occurrence. Each step falls back as the calendar
// requires when it cannot produce a date (to `now`, or to the day before the time was set).
Instant quickDate(QuickDate date, Instant now, const Calendar& calendar);

} // namespace quillon
