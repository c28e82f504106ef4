// Progress periods and their elapsed fractions.
#include "scenes/progress_period.h"

#include "core/raw_value.h"

namespace quillon {

std::string_view rawValue(ProgressPeriod period)
{
    switch (period) {
    case ProgressPeriod::day:
        return "day";
    case ProgressPeriod::week:
        return "week";
    case ProgressPeriod::month:
        return "month";
    case ProgressPeriod::year:
        return "year";
    }
    return "day";
}

std::optional<ProgressPeriod> progressPeriodFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllProgressPeriods), raw);
}

std::string_view title(ProgressPeriod period)
{
    switch (period) {
    case ProgressPeriod::day:
        return "Day";
    case ProgressPeriod::week:
        return "Week";
    case ProgressPeriod::month:
        return "Month";
    case ProgressPeriod::year:
        return "Year";
    }
    return "Day";
}

CalendarUnit calendarComponent(ProgressPeriod period)
{
    switch (period) {
    case ProgressPeriod::day:
        return CalendarUnit::day;
    case ProgressPeriod::week:
        return CalendarUnit::weekOfYear;
    case ProgressPeriod::month:
        return CalendarUnit::month;
    case ProgressPeriod::year:
        return CalendarUnit::year;
    }
    return CalendarUnit::day;
}

DateInterval periodInterval(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    return calendar.interval(calendarComponent(period), instant).value_or(DateInterval{instant, 1.0});
}

double periodFraction(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    const DateInterval interval = periodInterval(period, instant, calendar);
    return (instant - interval.start) / interval.duration;
}

} // namespace quillon
