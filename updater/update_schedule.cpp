#include "updater/update_schedule.h"

#include <algorithm>

namespace quillon {

StartAction actionAtStart(const UpdateCheckRecord& record, Instant now)
{
    if (record.starts <= 1)
        return StartAction::none;
    if (!record.automaticallyChecks)
        return StartAction::askAboutAutomaticChecks;
    const std::optional<Instant> due = nextAutomaticCheck(record, now);
    return due && *due <= now ? StartAction::check : StartAction::none;
}

std::optional<Instant> nextAutomaticCheck(const UpdateCheckRecord& record, Instant now)
{
    if (record.automaticallyChecks != true)
        return std::nullopt;
    if (!record.lastCheck || *record.lastCheck > now)
        return now;
    return std::max(now, *record.lastCheck + kAutomaticCheckInterval);
}

} // namespace quillon
