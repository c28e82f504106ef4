// What each display shows, as plain values, and the scene of any kind built from them.
#pragma once

#include "platform/calendar/calendar.h"
#include "scenes/dot_scene.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <string>
#include <vector>

namespace quillon {

struct DisplayContent {
    std::vector<std::string> boardCityIDs;
    bool use24h = true;
    std::string clockCityID = "local";
    ProgressPeriod period = ProgressPeriod::year;
    std::string countdownTitle = "New Year";
    Instant countdownDate;
    std::string signText = "Hello, world!";

    bool operator==(const DisplayContent&) const = default;

    // The content of a fresh installation: the default board cities, and a countdown to the start
    // of next year in the calendar.
    static DisplayContent defaults(Instant now, const Calendar& calendar);
};

// The start of 1 January after the instant's year, in the calendar's zone.
Instant startOfNextYear(Instant now, const Calendar& calendar);

// Resolves the content's city ids (unknown board ids are dropped, an unknown clock city is the
// machine's own, "local" is the calendar's zone) and builds the kind's scene.
DotScene sceneForKind(
    DotWidgetKind kind, DotSize size, const DisplayContent& content, Instant now, const Calendar& calendar);

} // namespace quillon
