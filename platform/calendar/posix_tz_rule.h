// Time-zone rules written as a POSIX TZ string, as found in the footer of TZif files.
#pragma once

#include "platform/calendar/instant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Instants are seconds since 1970-01-01T00:00Z. Zone computations treat any instant beyond
// +/- kMaxCalendarSeconds as if it were at the bound, which keeps every intermediate value far
// from 64-bit overflow.

struct PosixTzRule {
    // The day and local time of a yearly daylight-saving change. The time is
    // in the local time in effect just before the change (standard time for
    // the start, daylight time for the end) and may lie outside 0..24h, which
    // moves the change into a neighbouring day.
    struct Change {
        enum class Kind : std::uint8_t {
            JulianNoLeap, // "Jn": day 1..365, February 29 is never counted
            DayOfYear, // "n": day 0..365, February 29 is counted
            MonthWeekDay, // "Mm.w.d": weekday d (0 = Sunday) of week w (5 = last) of month m
        };
        Kind kind = Kind::MonthWeekDay;
        int day = 0;
        int week = 0; // MonthWeekDay only
        int month = 0; // MonthWeekDay only
        std::int32_t timeOfDay = 2 * 3600; // seconds, -167h..167h

        bool operator==(const Change&) const = default;
    };

    std::string standardName; // without the <...> quoting
    std::int32_t standardOffset = 0; // seconds east of UTC (the string itself counts west)
    bool hasDst = false;
    std::string dstName;
    std::int32_t dstOffset = 0; // seconds east of UTC
    Change dstStart;
    Change dstEnd;

    bool operator==(const PosixTzRule&) const = default;

    std::int32_t offsetAt(std::int64_t unixSeconds) const;

    // Null when the offset never changes: no daylight saving, daylight saving
    // all year, or a daylight offset equal to the standard one. A rule whose
    // changes lie outside the ranges the parser accepts counts as having no
    // daylight saving.
    std::optional<std::int64_t> nextTransitionAfter(std::int64_t unixSeconds) const;
};

// Accepts "std offset [dst [offset] [,start[/time],end[/time]]]" with
// alphabetic or <quoted> names of 3 to 64 characters, offset hours 0..24 and
// rule-time hours -167..167 (the RFC 8536 extension). A daylight offset
// defaults to one hour ahead of standard time; missing rules default to
// "M3.2.0,M11.1.0" as glibc does. Anything else yields nullopt.
std::optional<PosixTzRule> parsePosixTzRule(std::string_view text);

} // namespace quillon
