// Which entry of a timeline a host shows, and when it must look again: at the next entry's date,
// or, past the last entry of an `atEnd` timeline, by asking for a new timeline.
#pragma once

#include "widget_plugin/widget_plugin.h"

#include <optional>

namespace quillon::widgethost {

struct ScheduleStep {
    std::optional<std::size_t> shown; // the latest entry whose date has come; the first if none has
    std::optional<double> wakeAt; // the next date at which something changes; nothing for never
    bool refetchAtWake = false; // at that date the timeline is used up: ask for a new one
    bool operator==(const ScheduleStep&) const = default;
};

ScheduleStep scheduleStep(const Timeline& timeline, double now);

} // namespace quillon::widgethost
