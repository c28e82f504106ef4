// The locale's own date and time patterns on ICU's formatters, fed with offsets from our zone rules.
#include "platform/calendar/locale_date_format.h"

#include "platform/calendar/zone_rules.h"
#include "platform/text/utf.h"

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/reldatefmt.h>
#include <unicode/simpletz.h>
#include <unicode/smpdtfmt.h>
#include <unicode/ures.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <mutex>

namespace quillon {
namespace {

constexpr std::size_t kMaxLocaleIdentifierLength = 128;
constexpr std::size_t kMaxSkeletonLength = 64;
constexpr std::size_t kMaxCachedFormatters = 64;
constexpr std::size_t kMaxCachedWeekdayLocales = 64;

// An identifier ICU has no data for: zone fields then fall back to the offset ("GMT+1") instead of
// a name ICU would take from its own, older zone data.
constexpr char16_t kFixedOffsetZoneID[] = u"Quillon/FixedOffset";

icu::UnicodeString unicodeString(std::string_view utf8)
{
    const std::u16string utf16 = text::utf16FromUtf8(utf8);
    return icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size()));
}

std::string utf8String(const icu::UnicodeString& text)
{
    return text::utf8FromUtf16(
        std::u16string_view(text.getBuffer(), static_cast<std::size_t>(text.length())));
}

// ICU answers an identifier it has no data for with the process's default locale, which depends
// on the environment ICU happened to start in; the root locale is at least the same everywhere.
icu::Locale resolvedLocale(std::string_view identifier)
{
    icu::Locale locale = icu::Locale::getRoot();
    if (!identifier.empty() && identifier.size() <= kMaxLocaleIdentifierLength) {
        const icu::Locale requested(std::string(identifier).c_str());
        UErrorCode status = U_ZERO_ERROR;
        icu::LocalUResourceBundlePointer bundle(
            requested.isBogus() ? nullptr : ures_open(nullptr, requested.getBaseName(), &status));
        if (bundle.isValid() && U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING)
            locale = requested;
    }
    // Our formatters count in the Gregorian calendar, so the patterns and names have to be
    // Gregorian too, also for locales whose default calendar is another (th_TH, fa_IR).
    UErrorCode status = U_ZERO_ERROR;
    locale.setKeywordValue("calendar", "gregorian", status);
    return locale;
}

icu::DateFormat::EStyle icuStyle(DateStyle style)
{
    switch (style) {
    case DateStyle::none:
        return icu::DateFormat::kNone;
    case DateStyle::shortStyle:
        return icu::DateFormat::kShort;
    case DateStyle::mediumStyle:
        return icu::DateFormat::kMedium;
    case DateStyle::longStyle:
        return icu::DateFormat::kLong;
    case DateStyle::fullStyle:
        return icu::DateFormat::kFull;
    }
    return icu::DateFormat::kNone;
}

// All of our date arithmetic is Gregorian back to the beginning; ICU's default calendar switches
// to the Julian one in 1582 and would move weekdays and dates before that.
std::unique_ptr<icu::DateFormat> withProlepticCalendar(
    std::unique_ptr<icu::DateFormat> formatter, const icu::Locale& locale)
{
    if (!formatter)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    auto calendar
        = std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), locale, status);
    calendar->setGregorianChange(-std::numeric_limits<double>::max(), status);
    if (U_FAILURE(status))
        return nullptr;
    formatter->adoptCalendar(calendar.release());
    return formatter;
}

std::unique_ptr<icu::DateFormat> makeStyleFormatter(DateStyle date, DateStyle time, const icu::Locale& locale)
{
    return withProlepticCalendar(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateTimeInstance(
                                     icuStyle(date), icuStyle(time), locale)),
        locale);
}

std::unique_ptr<icu::DateFormat> makeSkeletonFormatter(std::string_view skeleton, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status) || !generator)
        return nullptr;
    const icu::UnicodeString pattern = generator->getBestPattern(unicodeString(skeleton), status);
    if (U_FAILURE(status))
        return nullptr;
    auto formatter = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status))
        return nullptr;
    return withProlepticCalendar(std::move(formatter), locale);
}

// Formatters are costly to build and not safe to share, so each thread keeps one per locale and
// pattern; the identifiers come from settings and the environment, so the cache is bounded.
template <typename Make> icu::DateFormat* cachedFormatter(const std::string& key, const Make& make)
{
    thread_local std::map<std::string, std::unique_ptr<icu::DateFormat>, std::less<>> formatters;
    auto found = formatters.find(key);
    if (found != formatters.end())
        return found->second.get();
    if (formatters.size() >= kMaxCachedFormatters)
        formatters.clear();
    return formatters.emplace(key, make()).first->second.get();
}

std::string_view boundedIdentifier(std::string_view localeIdentifier)
{
    return localeIdentifier.size() > kMaxLocaleIdentifierLength ? std::string_view() : localeIdentifier;
}

// ICU's zone data is older than the system's, so the formatter's zone is a fixed offset that our
// rules computed for this instant: every field is then the wall clock of our rules, and a zone
// field writes that offset.
std::string formatWith(icu::DateFormat& formatter, Instant instant, const TimeZone& zone)
{
    const std::int64_t utc = wholeUnixSeconds(instant);
    const std::int32_t offset = zone.rules().offsetAt(utc);
    formatter.adoptTimeZone(
        std::make_unique<icu::SimpleTimeZone>(offset * 1000, icu::UnicodeString(kFixedOffsetZoneID))
            .release());
    icu::UnicodeString text;
    formatter.format(static_cast<UDate>(utc) * 1000.0, text);
    return utf8String(text);
}

} // namespace

std::string formatLocaleDate(
    Instant instant, const TimeZone& zone, DateStyle date, DateStyle time, std::string_view localeIdentifier)
{
    // ICU would substitute its default pattern for a format with neither half.
    if (date == DateStyle::none && time == DateStyle::none)
        return {};
    const std::string_view identifier = boundedIdentifier(localeIdentifier);
    std::string key = "style:";
    key += static_cast<char>('0' + static_cast<int>(date));
    key += static_cast<char>('0' + static_cast<int>(time));
    key += identifier;
    icu::DateFormat* formatter
        = cachedFormatter(key, [&] { return makeStyleFormatter(date, time, resolvedLocale(identifier)); });
    return formatter ? formatWith(*formatter, instant, zone) : std::string();
}

std::string formatLocaleSkeleton(
    Instant instant, const TimeZone& zone, std::string_view skeleton, std::string_view localeIdentifier)
{
    if (skeleton.empty() || skeleton.size() > kMaxSkeletonLength)
        return {};
    const std::string_view identifier = boundedIdentifier(localeIdentifier);
    // The length keeps "ab" + "c" and "a" + "bc" apart.
    std::string key = "skeleton:" + std::to_string(skeleton.size()) + ":";
    key += skeleton;
    key += identifier;
    icu::DateFormat* formatter
        = cachedFormatter(key, [&] { return makeSkeletonFormatter(skeleton, resolvedLocale(identifier)); });
    return formatter ? formatWith(*formatter, instant, zone) : std::string();
}

std::string formatDayOfMonth(Instant instant, const TimeZone& zone, std::string_view localeIdentifier)
{
    const std::string_view identifier = boundedIdentifier(localeIdentifier);
    icu::DateFormat* formatter = cachedFormatter("day:" + std::string(identifier), [&] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale = resolvedLocale(identifier);
        // The bare pattern, not a skeleton: the locale's pattern for "d" may add a unit.
        auto day = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(u"d"), locale, status);
        return U_SUCCESS(status) ? withProlepticCalendar(std::move(day), locale) : nullptr;
    });
    return formatter ? formatWith(*formatter, instant, zone) : std::string();
}

std::string formatRelativeDate(Instant then, Instant now, std::string_view localeIdentifier)
{
    const double seconds = then - now;
    if (!std::isfinite(seconds))
        return {};
    struct Step {
        double length;
        URelativeDateTimeUnit unit;
    };
    constexpr Step kSteps[] = {{365.25 * 86400, UDAT_REL_UNIT_YEAR}, {30.44 * 86400, UDAT_REL_UNIT_MONTH},
        {7 * 86400, UDAT_REL_UNIT_WEEK}, {86400, UDAT_REL_UNIT_DAY}, {3600, UDAT_REL_UNIT_HOUR},
        {60, UDAT_REL_UNIT_MINUTE}};
    Step chosen {1, UDAT_REL_UNIT_SECOND};
    for (const Step& step : kSteps) {
        if (std::abs(seconds) >= step.length) {
            chosen = step;
            break;
        }
    }
    // Whole units, as people say them: 90 minutes ago is "1 hour ago".
    const double count = std::trunc(seconds / chosen.length);
    UErrorCode status = U_ZERO_ERROR;
    const icu::RelativeDateTimeFormatter formatter(resolvedLocale(boundedIdentifier(localeIdentifier)),
        nullptr, UDAT_STYLE_LONG, UDISPCTX_CAPITALIZATION_NONE, status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString text;
    formatter.format(count == 0 ? 0.0 : count, chosen.unit, text, status);
    return U_SUCCESS(status) ? utf8String(text) : std::string();
}

std::array<std::string, 7> veryShortWeekdaySymbols(std::string_view localeIdentifier)
{
    static std::mutex mutex;
    static std::map<std::string, std::array<std::string, 7>, std::less<>> known;
    const std::string_view identifier = boundedIdentifier(localeIdentifier);
    {
        std::lock_guard lock(mutex);
        if (auto found = known.find(identifier); found != known.end())
            return found->second;
    }

    std::array<std::string, 7> symbols {"S", "M", "T", "W", "T", "F", "S"};
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols formatSymbols(resolvedLocale(identifier), status);
    int32_t count = 0;
    const icu::UnicodeString* weekdays = U_SUCCESS(status)
        ? formatSymbols.getWeekdays(count, icu::DateFormatSymbols::STANDALONE, icu::DateFormatSymbols::NARROW)
        : nullptr;
    // ICU counts weekdays from 1 (UCAL_SUNDAY); entry 0 is empty.
    if (weekdays && count >= 8) {
        for (std::size_t index = 0; index < symbols.size(); ++index) {
            if (std::string symbol = utf8String(weekdays[index + 1]); !symbol.empty())
                symbols[index] = std::move(symbol);
        }
    }

    std::lock_guard lock(mutex);
    if (known.size() >= kMaxCachedWeekdayLocales)
        known.clear();
    known.emplace(std::string(identifier), symbols);
    return symbols;
}

} // namespace quillon
