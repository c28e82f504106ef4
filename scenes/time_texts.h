// The small texts of times and dates that the world board and the clock share.
#pragma once

#include "platform/calendar/instant.h"
#include "platform/calendar/time_zone.h"
#include "scenes/city.h"

#include <string>

namespace quillon {

// "%02d:%02d" of the hour and minute in the zone; 12-hour time runs 12, 1, ... 11.
std::string clockTimeText(Instant instant, const TimeZone& zone, bool use24h);
// "AM" before noon in the zone, else "PM".
std::string meridiemText(Instant instant, const TimeZone& zone);
// Upper-case "EEE dd MMM" in English: SAT 05 DEC.
std::string clockDateText(Instant instant, const TimeZone& zone);

// English date texts are ASCII: upper-casing them needs no Unicode tables.
std::string upperCasedAscii(std::string text);

// The zone of a city, or `fallback` (the machine's zone) when the system does not know it.
TimeZone cityZone(const City& city, const TimeZone& fallback);

// One line of the world board: "09:41 London", or in 12-hour time " 9:41A London" (the time
// always six characters, so that the names line up).
std::string boardRowText(const City& city, Instant instant, bool use24h, const TimeZone& fallback);

} // namespace quillon
