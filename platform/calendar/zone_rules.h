// UTC offsets of one time zone, read from the system tz database (TZif files, RFC 8536).
#pragma once

#include "platform/calendar/posix_tz_rule.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Instants are seconds since 1970-01-01T00:00Z; offsets are seconds east of
// UTC. Rule-based (footer) computations treat instants beyond
// +/- kMaxCalendarSeconds as if they were at that bound.
class ZoneRules {
public:
    // Accepts version 1 files (32-bit data) and version 2+ files (64-bit data
    // plus footer). Rejects a missing "TZif" magic, counts that overrun the
    // data, zero local time types, offsets outside -24:59:59..+25:59:59, a
    // DST flag other than 0 or 1, designation or type indices out of range,
    // indicator counts other than 0 or the type count, transitions that do not
    // strictly increase, and a footer that is present but not a valid TZ
    // string. An empty or missing footer means the last transition's type
    // stays in effect.
    static std::optional<ZoneRules> fromTzif(std::span<const unsigned char> data);
    static std::optional<ZoneRules> fromPosixString(std::string_view tz);
    static ZoneRules fixed(std::int32_t utcOffsetSeconds);

    // Files larger than 1 MiB are refused rather than read.
    static std::optional<ZoneRules> loadFile(const std::string& path);

    std::int32_t offsetAt(std::int64_t unixSeconds) const;

    // The first instant strictly after the argument at which the offset
    // changes; transitions that keep the same offset are skipped.
    std::optional<std::int64_t> nextTransitionAfter(std::int64_t unixSeconds) const;

    // Maps a wall-clock reading (seconds since 1970-01-01T00:00 of this
    // zone's wall clock) to an instant. A reading that occurs twice resolves
    // to its first occurrence; one skipped by a forward change resolves to
    // that change's instant, the first moment after the gap. Readings beyond
    // +/- kMaxCalendarSeconds are clamped to it first.
    std::int64_t resolveLocal(std::int64_t localSeconds) const;

    bool operator==(const ZoneRules&) const = default;

private:
    std::int32_t offsetFromTransition(std::size_t index) const;

    std::vector<std::int64_t> m_transitionTimes; // strictly increasing
    std::vector<std::int32_t> m_offsetsAfter; // one per transition
    std::int32_t m_initialOffset = 0; // before the first transition
    std::optional<PosixTzRule> m_footer; // from the last transition on
};

} // namespace quillon
