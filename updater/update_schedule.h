// When the program looks for updates by itself: never on its first start, a question on the second
// (as desktop updaters ask), and after that at most once a day while the user lets it.
#pragma once

#include "platform/calendar/instant.h"

#include <optional>

namespace quillon {

inline constexpr double kAutomaticCheckInterval = 24 * 60 * 60;

struct UpdateCheckRecord {
    int starts = 0; // starts of the program so far, this one included
    std::optional<bool> automaticallyChecks; // unset until the user has answered the question
    std::optional<Instant> lastCheck;
    bool operator==(const UpdateCheckRecord&) const = default;
};

enum class StartAction { none, askAboutAutomaticChecks, check };

StartAction actionAtStart(const UpdateCheckRecord& record, Instant now);

// When the next automatic check is due (`now` when it already is); nothing while automatic checks
// are off or the question has not been answered. A last check in the future (the clock was set
// back) counts as due.
std::optional<Instant> nextAutomaticCheck(const UpdateCheckRecord& record, Instant now);

} // namespace quillon
