// Instants written in ISO 8601 with an explicit offset, for command lines and files.
#pragma once

#include "platform/calendar/instant.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// "2026-12-05T14:30:00Z", "2026-12-05T15:30:00+01:00", "2026-12-05T14:30Z", with optional
// fractional seconds and an offset of ±HH:MM, ±HHMM or ±HH. Anything else, or a field out of
// range, gives nothing.
std::optional<Instant> parseIso8601(std::string_view text);

// UTC with a Z, to the second when the instant is whole, else to the millisecond.
std::string formatIso8601(Instant instant);

} // namespace quillon
