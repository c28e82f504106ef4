// Writing dates with Unicode date patterns.
#pragma once

#include "platform/calendar/instant.h"
#include "platform/calendar/time_zone.h"

#include <string>
#include <string_view>

namespace quillon {

// The instant in the zone, written with a Unicode date pattern ("EEE dd MMM", "MMMM yyyy", ...)
// in the fixed locale "en_US_POSIX": English names and ASCII digits whatever the user's locale.
// Safe to call from several threads at once.
std::string formatPosixDate(Instant instant, const TimeZone& zone, std::string_view pattern);

} // namespace quillon
