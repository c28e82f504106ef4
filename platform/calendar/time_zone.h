// Time zones by IANA identifier, with rules read from the system's tz database.
#pragma once

#include "platform/calendar/instant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

class ZoneRules;

// A zone's identifier and its rules. Rules are loaded once per zone file and process, then
// shared by every copy: copying a TimeZone is cheap.
class TimeZone {
public:
    // The zone of that identifier in the system database (TZDIR, else /usr/share/zoneinfo), or
    // nothing when the system does not know it, so that the caller can choose a substitute.
    static std::optional<TimeZone> named(std::string_view identifier);

    // The machine's zone: TZ (a zone identifier, a path to a zone file or a POSIX rule such as
    // "CET-1CEST,M3.5.0,M10.5.0/3"), then /etc/localtime, then UTC.
    static TimeZone current();

    static TimeZone utc();

    const std::string& identifier() const { return m_identifier; }

    // Seconds east of UTC at that instant.
    std::int32_t offsetSeconds(Instant instant) const;

    const ZoneRules& rules() const { return *m_rules; }

    // Zones made from the same rule text or file separately are still equal.
    bool operator==(const TimeZone& other) const;

private:
    TimeZone(std::string identifier, std::shared_ptr<const ZoneRules> rules);

    std::string m_identifier;
    std::shared_ptr<const ZoneRules> m_rules;
};

} // namespace quillon
