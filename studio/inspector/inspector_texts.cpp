// The inspector's texts, built from the settings and an instant so that they can be tested.
#include "studio/inspector/inspector_texts.h"

#include "platform/calendar/locale_date_format.h"
#include "platform/text/grapheme_clusters.h"
#include "platform/text/utf.h"
#include "scenes/time_texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {
namespace {

constexpr double kSecondsPerDay = 86400;
// Clocks move a calendar day by an hour or two at most, so an estimate from the seconds is off by
// a day or so; the bound only keeps a calendar clamped at its range from looping on.
constexpr int kMaxDayCorrections = 8;

bool isFinite(Instant instant)
{
    return std::isfinite(instant.secondsSinceReferenceDate);
}

// The times a calendar day can be added to `now` without passing `date`. Counting day by day would
// loop a million times for a date a few thousand years ahead.
std::int64_t wholeDaysUntil(Instant date, Instant now, const Calendar& calendar)
{
    if (!isFinite(date) || !isFinite(now) || !(date > now))
        return 0;
    const double maxDays = 2.0 * static_cast<double>(kMaxCalendarSeconds) / kSecondsPerDay;
    auto days
        = static_cast<std::int64_t>(std::clamp(std::floor((date - now) / kSecondsPerDay), 0.0, maxDays));
    for (int step = 0; step < kMaxDayCorrections && days > 0 && calendar.addingDays(now, days) > date; ++step)
        --days;
    for (int step = 0; step < kMaxDayCorrections && calendar.addingDays(now, days + 1) <= date; ++step)
        ++days;
    return days;
}

// The city's zone; the machine's only when the system does not know the city's, since finding the
// machine's zone reads /etc/localtime and the rows ask every second.
TimeZone zoneOf(const City& city)
{
    if (auto zone = TimeZone::named(city.timeZoneID))
        return *zone;
    return TimeZone::current();
}

} // namespace

std::string_view kindDescription(DotWidgetKind kind)
{
    switch (kind) {
    case DotWidgetKind::worldBoard:
        return QT_TRANSLATE_NOOP(
            "quillon::InspectorTexts", "Times across your cities, departures-board style.");
    case DotWidgetKind::clock:
        return QT_TRANSLATE_NOOP("quillon::InspectorTexts", "One city's time in big dots.");
    case DotWidgetKind::day:
        return QT_TRANSLATE_NOOP(
            "quillon::InspectorTexts", "Today's date with a bar for how much of it is left.");
    case DotWidgetKind::progress:
        return QT_TRANSLATE_NOOP(
            "quillon::InspectorTexts", "How far through the day, week, month or year you are.");
    case DotWidgetKind::countdown:
        return QT_TRANSLATE_NOOP("quillon::InspectorTexts", "Days, hours and minutes until something.");
    case DotWidgetKind::sign:
        return QT_TRANSLATE_NOOP("quillon::InspectorTexts", "Your own message on a dot display.");
    }
    return {};
}

std::string gmtOffsetText(int offsetSeconds)
{
    // In 64 bits: the magnitude of the most negative int does not fit in an int.
    const std::int64_t magnitude
        = offsetSeconds < 0 ? -static_cast<std::int64_t>(offsetSeconds) : offsetSeconds;
    const std::int64_t hours = magnitude / 3600;
    const std::int64_t minutes = magnitude % 3600 / 60;
    std::string offset = offsetSeconds >= 0 ? "+" : "-";
    offset += std::to_string(hours);
    if (minutes != 0) {
        offset += ':';
        offset += static_cast<char>('0' + minutes / 10);
        offset += static_cast<char>('0' + minutes % 10);
    }
    //: %1 is the signed offset from GMT in hours, or hours and minutes: +9, -3:30.
    return QCoreApplication::translate("quillon::InspectorTexts", "GMT%1")
        .arg(QString::fromStdString(offset))
        .toStdString();
}

std::string gmtOffsetText(const City& city, Instant instant)
{
    return gmtOffsetText(zoneOf(city).offsetSeconds(instant));
}

std::string cityLocalTime(const City& city, Instant now, bool use24h)
{
    const TimeZone zone = zoneOf(city);
    const std::string time = clockTimeText(now, zone, use24h);
    return use24h ? time : time + " " + meridiemText(now, zone);
}

std::string countdownNote(
    Instant date, Instant now, const Calendar& calendar, std::string_view localeIdentifier, bool use24h)
{
    // The fields of the complete date style with the hour in the studio's cycle rather than the
    // locale's preferred one: ICU joins them as it joins the full date and short time styles.
    const QString when = QString::fromStdString(formatLocaleSkeleton(
        date, calendar.timeZone(), use24h ? "yMMMMEEEEdHHmm" : "yMMMMEEEEdhmm", localeIdentifier));
    if (!(date > now)) {
        //: The countdown's date has gone by. %1 is the date and time.
        return QCoreApplication::translate("quillon::InspectorTexts", "%1. That's passed; pick a new date.")
            .arg(when)
            .toStdString();
    }
    // The count is bounded by twice the calendar's range, some 230 million days.
    const auto days = static_cast<int>(
        std::min<std::int64_t>(wholeDaysUntil(date, now, calendar), std::numeric_limits<int>::max()));
    if (days == 0) {
        //: The countdown's date is later today. %1 is the date and time.
        return QCoreApplication::translate("quillon::InspectorTexts", "%1 \u00B7 today")
            .arg(when)
            .toStdString();
    }
    //: How many calendar days until the countdown's date. %1 is the date and time.
    return QCoreApplication::translate("quillon::InspectorTexts", "%1 \u00B7 in %n days", nullptr, days)
        .arg(when)
        .toStdString();
}

bool showsLongTitleHint(std::string_view title)
{
    int characters = 0;
    text::forEachGraphemeCluster(text::utf16FromUtf8(title), [&](std::u16string_view) { ++characters; });
    return characters >= kLongTitleLength;
}

} // namespace quillon
