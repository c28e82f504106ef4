// Date patterns on ICU's SimpleDateFormat, fed with wall-clock time from our own zone rules.
#include "platform/calendar/date_format.h"

#include "platform/calendar/zone_rules.h"
#include "platform/text/utf.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <limits>
#include <map>
#include <memory>

namespace quillon {
namespace {

constexpr std::size_t kMaxPatternLength = 256;
constexpr std::size_t kMaxCachedPatterns = 64;

// ICU's own zone data is older than the system's, so the formatter works in GMT on a wall-clock
// time that our zone rules have already computed. Its calendar is Gregorian back to the
// beginning, as all of our date arithmetic is.
std::unique_ptr<icu::SimpleDateFormat> makeFormatter(std::string_view pattern)
{
    const icu::Locale posix("en_US_POSIX");
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), posix, status);
    calendar->setGregorianChange(-std::numeric_limits<double>::max(), status);
    const std::u16string pattern16 = text::utf16FromUtf8(pattern);
    auto formatter = std::make_unique<icu::SimpleDateFormat>(
        icu::UnicodeString(pattern16.data(), static_cast<int32_t>(pattern16.size())), posix, status);
    if (U_FAILURE(status))
        return nullptr;
    formatter->adoptCalendar(calendar.release());
    return formatter;
}

// Formatters are costly to build and not safe to share, so each thread keeps one per pattern.
icu::SimpleDateFormat* formatterFor(std::string_view pattern)
{
    thread_local std::map<std::string, std::unique_ptr<icu::SimpleDateFormat>, std::less<>> formatters;
    auto found = formatters.find(pattern);
    if (found != formatters.end())
        return found->second.get();
    if (formatters.size() >= kMaxCachedPatterns)
        formatters.clear();
    return formatters.emplace(std::string(pattern), makeFormatter(pattern)).first->second.get();
}

} // namespace

std::string formatPosixDate(Instant instant, const TimeZone& zone, std::string_view pattern)
{
    if (pattern.size() > kMaxPatternLength)
        return {};
    icu::SimpleDateFormat* formatter = formatterFor(pattern);
    if (!formatter)
        return {};
    const std::int64_t utc = wholeUnixSeconds(instant);
    const std::int64_t wall = utc + zone.rules().offsetAt(utc);
    icu::UnicodeString text;
    formatter->format(static_cast<UDate>(wall) * 1000.0, text);
    return text::utf8FromUtf16(
        std::u16string_view(text.getBuffer(), static_cast<std::size_t>(text.length())));
}

} // namespace quillon
