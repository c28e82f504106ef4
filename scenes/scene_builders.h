// The six displays as scenes: pure functions of their inputs, which never read a clock, a
// setting or the environment. Callers pass the user's calendar (its week rules and the machine's
// zone); a city whose zone the system does not know is shown in that calendar's zone.
//
// A display shows the minute that contains the instant: every figure (a countdown, a percentage,
// a bar, what is left) is worked out at the start of that minute, in the calendar. The desktop
// widgets draw one entry a minute, dated at the minute's start, while the studio redraws every
// second; figures taken any later in the minute would change in the studio up to a minute before
// the desktop, and a countdown would read one minute less than the clock beside it implies.
#pragma once

#include "platform/calendar/calendar.h"
#include "scenes/city.h"
#include "scenes/dot_scene.h"
#include "scenes/dot_size.h"
#include "scenes/progress_period.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// One line per city (the first 3, 4, 8 or 7 by size), or "ADD A CITY" for an empty list.
DotScene boardScene(
    const std::vector<City>& cities, bool use24h, Instant instant, DotSize size, const Calendar& calendar);
// The city's name, time and date; the large one adds a bar of the city's day.
DotScene clockScene(const City& city, bool use24h, Instant instant, DotSize size, const Calendar& calendar);
// Today's weekday, day and month; the large one adds the year, a bar of the day and week and day numbers.
DotScene dayScene(Instant instant, DotSize size, const Calendar& calendar);

// "SATURDAY", "WEEK 49", "DECEMBER" or "2026" for the period containing the instant.
std::string periodLabel(ProgressPeriod period, Instant instant, const Calendar& calendar);
// "26 DAYS LEFT", or for the day and the last day of longer periods "5H 23M LEFT".
std::string periodRemainingText(ProgressPeriod period, Instant instant, const Calendar& calendar);
DotScene progressScene(ProgressPeriod period, Instant instant, DotSize size, const Calendar& calendar);

// Days, hours and minutes from the start of now's minute to the target, seconds dropped, under a
// title; "NOW!" from the first minute that starts at or after the target, to the whole second.
DotScene countdownScene(
    std::string_view title, Instant target, Instant now, DotSize size, const Calendar& calendar);
// The message wrapped at the line width that gives the largest dots for the size.
DotScene signScene(std::string_view message, DotSize size);

} // namespace quillon
