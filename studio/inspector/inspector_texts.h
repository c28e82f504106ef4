// The texts the inspector writes from the settings and the clock: kind descriptions, GMT offsets,
// a city's local time and the countdown note.
#pragma once

#include "platform/calendar/calendar.h"
#include "scenes/city.h"
#include "scenes/dot_widget_kind.h"

#include <QtGlobal>

#include <string>
#include <string_view>

namespace quillon {

// The translation context of these texts. The kind descriptions and the long title hint are English,
// listed for the translation tools under it; the inspector shows their translations.
inline constexpr const char* kInspectorTextsContext = "quillon::InspectorTexts";

// "Times across your cities, departures-board style.", ...
std::string_view kindDescription(DotWidgetKind kind);

// "GMT+9", "GMT-3", "GMT+0", "GMT+5:30", "GMT-3:30" for an offset east of GMT in seconds, with "GMT"
// as the user's language writes it.
std::string gmtOffsetText(int offsetSeconds);
// The offset of the city's zone at the instant; the machine's zone when the system does not know
// the city's.
std::string gmtOffsetText(const City& city, Instant instant);

// The city's clock time at `now` ("14:05", or "02:05 PM" in 12-hour time, as the clock writes it);
// the machine's zone when the system does not know the city's.
std::string cityLocalTime(const City& city, Instant now, bool use24h);

// "<date> · today", "<date> · in 1 day", "<date> · in N days" for a date later than `now` (N whole
// calendar days), or "<date>. That's passed; pick a new date.", in the user's language. The date is
// written as the locale writes a complete date with its hour and minute, in 24-hour or 12-hour time
// as the studio's clocks are.
std::string countdownNote(
    Instant date, Instant now, const Calendar& calendar, std::string_view localeIdentifier, bool use24h);

// The countdown title's hint shows from this many user-perceived characters on.
inline constexpr int kLongTitleLength = 33;
inline constexpr std::string_view kLongTitleHint
    = QT_TRANSLATE_NOOP("quillon::InspectorTexts", "Long titles wrap onto more lines with smaller dots.");
bool showsLongTitleHint(std::string_view title);

} // namespace quillon
