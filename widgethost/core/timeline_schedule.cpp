// Stepping through a timeline by its dates.
#include "widgethost/core/timeline_schedule.h"

#include <algorithm>

namespace quillon::widgethost {

ScheduleStep scheduleStep(const Timeline& timeline, double now)
{
    const auto& entries = timeline.entries;
    if (entries.empty())
        return {std::nullopt, std::nullopt, false};
    // Entries are in date order: the first one later than now is the next switch.
    const auto next = std::upper_bound(entries.begin(), entries.end(), now,
        [](double time, const TimelineEntry& entry) { return time < entry.date; });
    ScheduleStep step;
    step.shown = next == entries.begin() ? 0 : static_cast<std::size_t>(next - entries.begin() - 1);
    if (next != entries.end()) {
        step.wakeAt = next->date;
        // Reaching the last entry's date is when an atEnd timeline is used up.
        step.refetchAtWake = timeline.policy == ReloadPolicy::atEnd && next + 1 == entries.end();
    } else if (timeline.policy == ReloadPolicy::atEnd) {
        step.wakeAt = now;
        step.refetchAtWake = true;
    }
    return step;
}

} // namespace quillon::widgethost
