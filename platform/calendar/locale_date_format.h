// Writing dates the way the user's locale writes them: ICU's patterns for that locale, fed with the
// wall-clock time of our own zone rules.
#pragma once

#include "platform/calendar/instant.h"
#include "platform/calendar/time_zone.h"

#include <array>
#include <string>
#include <string_view>

namespace quillon {

enum class DateStyle { none, shortStyle, mediumStyle, longStyle, fullStyle };

// The instant in the zone in the locale's date and time styles, such as "Saturday, December 5,
// 2026 at 2:30 PM" (full date, short time, en_US). `none` leaves that half out, and both give an
// empty string. The locale is an ICU identifier ("de_DE"); one ICU does not know falls back to its
// root locale. The calendar is Gregorian whatever the locale's own, and a zone field (long and full
// time styles) writes the offset in effect ("GMT+1"), not a name. Safe to call from several threads
// at once.
std::string formatLocaleDate(
    Instant instant, const TimeZone& zone, DateStyle date, DateStyle time, std::string_view localeIdentifier);

// The instant with the fields a Unicode skeleton names ("EEEdMMMyjmm", "MMMMy", "dMMM", "d"), in
// the locale's own order and punctuation; "j" is the locale's preferred hour, with a day-period
// marker where the locale uses one. Empty for an empty skeleton or one longer than 64 characters.
// Safe to call from several threads at once.
std::string formatLocaleSkeleton(
    Instant instant, const TimeZone& zone, std::string_view skeleton, std::string_view localeIdentifier);

// The day of the month alone, in the locale's digits and nothing else ("5", where the "d" skeleton
// gives "5日" in Japanese), as the days of a month's grid are written.
std::string formatDayOfMonth(Instant instant, const TimeZone& zone, std::string_view localeIdentifier);

// How long ago (or ahead) `then` is from `now`, as the locale says it in full words, naming the
// day where it has a name for it: "yesterday", "2 hours ago", "in 3 days", "vor 5 Minuten". The
// largest unit that fits is used, from seconds to years.
std::string formatRelativeDate(Instant then, Instant now, std::string_view localeIdentifier);

// The locale's very short (narrow) stand-alone weekday names, Sunday first: "S", "M", "T", ... in
// English.
std::array<std::string, 7> veryShortWeekdaySymbols(std::string_view localeIdentifier);

} // namespace quillon
