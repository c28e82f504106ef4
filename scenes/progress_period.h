// The periods a progress display measures, and how far through one an instant is.
#pragma once

#include "platform/calendar/calendar.h"

#include <array>
#include <optional>
#include <string_view>

namespace quillon {

enum class ProgressPeriod { day, week, month, year };

inline constexpr std::array<ProgressPeriod, 4> kAllProgressPeriods {
    ProgressPeriod::day, ProgressPeriod::week, ProgressPeriod::month, ProgressPeriod::year};

std::string_view rawValue(ProgressPeriod period);
std::optional<ProgressPeriod> progressPeriodFromRawValue(std::string_view raw);
std::string_view title(ProgressPeriod period);
CalendarUnit calendarComponent(ProgressPeriod period);

// The calendar's interval of the period containing the instant, or, when the calendar cannot
// give one, one second from the instant.
DateInterval periodInterval(ProgressPeriod period, Instant instant, const Calendar& calendar);

// The elapsed part of that interval: in [0, 1) for an instant inside it, measured against the
// interval's real length (a day with a daylight-saving change lasts 23 or 25 hours).
double periodFraction(ProgressPeriod period, Instant instant, const Calendar& calendar);

} // namespace quillon
