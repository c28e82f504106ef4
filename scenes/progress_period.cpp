// Progress periods and their elapsed fractions.
#include "scenes/progress_period.h"

#include "core/raw_value.h"

namespace quillon {
namespace {

struct PeriodInfo {
    std::string_view rawValue;
    std::string_view title;
    CalendarUnit component;
};

constexpr std::array<PeriodInfo, kAllProgressPeriods.size()> kPeriods {{
    {"day", "Day", CalendarUnit::day},
    {"week", "Week", CalendarUnit::weekOfYear},
    {"month", "Month", CalendarUnit::month},
    {"year", "Year", CalendarUnit::year},
}};

const PeriodInfo& info(ProgressPeriod period)
{
    return kPeriods[static_cast<std::size_t>(period)];
}

} // namespace

std::string_view rawValue(ProgressPeriod period)
{
    return info(period).rawValue;
}

std::optional<ProgressPeriod> progressPeriodFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllProgressPeriods), raw);
}

std::string_view title(ProgressPeriod period)
{
    return info(period).title;
}

CalendarUnit calendarComponent(ProgressPeriod period)
{
    return info(period).component;
}

DateInterval periodInterval(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    return calendar.interval(calendarComponent(period), instant).value_or(DateInterval {instant, 1.0});
}

double periodFraction(ProgressPeriod period, Instant instant, const Calendar& calendar)
{
    const DateInterval interval = periodInterval(period, instant, calendar);
    return (instant - interval.start) / interval.duration;
}

} // namespace quillon
