// Test helpers: UTC instants from calendar fields, and the C library's reading of a zone.
#pragma once

#include "platform/calendar/civil_date.h"
#include "tests/support/scoped_time_variable.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quillon::testing {

// Unix seconds of a UTC date and time; also a wall-clock reading on the same scale.
constexpr std::int64_t utc(
    std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return daysFromCivil({year, month, day}) * 86400 + hour * 3600 + minute * 60 + second;
}

// Points TZ (and so localtime_r) at a zone for the guard's lifetime; nullptr unsets it.
class ScopedTZ : public ScopedTimeVariable {
public:
    explicit ScopedTZ(const char* value)
        : ScopedTimeVariable("TZ", value ? std::optional<std::string>(value) : std::nullopt)
    {
    }
    explicit ScopedTZ(const std::string& value)
        : ScopedTimeVariable("TZ", value)
    {
    }
};

// The UTC offset that the C library gives for the zone TZ names.
inline long libcOffset(std::int64_t unixSeconds)
{
    const auto instant = static_cast<std::time_t>(unixSeconds);
    std::tm fields {};
    localtime_r(&instant, &fields);
    return fields.tm_gmtoff;
}

} // namespace quillon::testing
