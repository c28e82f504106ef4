// The city catalogue, the machine's own city, and searching them.
#include "scenes/city.h"

#include "platform/calendar/posix_tz_rule.h"

#include "platform/calendar/time_zone.h"
#include "platform/text/user_locale.h"
#include "platform/text/utf.h"

#include <unicode/locid.h>

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace quillon {
namespace {

std::vector<City> buildCatalogue()
{
    struct Row {
        const char* id;
        const char* name;
        const char* country;
        const char* zone;
        const char* countryCode;
    };
    static constexpr Row kRows[] = {
        {"honolulu", "Honolulu", "USA", "Pacific/Honolulu", "US"},
        {"anchorage", "Anchorage", "USA", "America/Anchorage", "US"},
        {"los-angeles", "Los Angeles", "USA", "America/Los_Angeles", "US"},
        {"san-francisco", "San Francisco", "USA", "America/Los_Angeles", "US"},
        {"seattle", "Seattle", "USA", "America/Los_Angeles", "US"},
        {"vancouver", "Vancouver", "Canada", "America/Vancouver", "CA"},
        {"denver", "Denver", "USA", "America/Denver", "US"},
        {"phoenix", "Phoenix", "USA", "America/Phoenix", "US"},
        {"mexico-city", "Mexico City", "Mexico", "America/Mexico_City", "MX"},
        {"chicago", "Chicago", "USA", "America/Chicago", "US"},
        {"dallas", "Dallas", "USA", "America/Chicago", "US"},
        {"austin", "Austin", "USA", "America/Chicago", "US"},
        {"new-york", "New York", "USA", "America/New_York", "US"},
        {"toronto", "Toronto", "Canada", "America/Toronto", "CA"},
        {"miami", "Miami", "USA", "America/New_York", "US"},
        {"boston", "Boston", "USA", "America/New_York", "US"},
        {"san-juan", "San Juan", "Puerto Rico", "America/Puerto_Rico", "PR"},
        {"santo-domingo", "Santo Domingo", "Dominican Republic", "America/Santo_Domingo", "DO"},
        {"bogota", "Bogota", "Colombia", "America/Bogota", "CO"},
        {"lima", "Lima", "Peru", "America/Lima", "PE"},
        {"santiago", "Santiago", "Chile", "America/Santiago", "CL"},
        {"buenos-aires", "Buenos Aires", "Argentina", "America/Argentina/Buenos_Aires", "AR"},
        {"sao-paulo", "Sao Paulo", "Brazil", "America/Sao_Paulo", "BR"},
        {"rio", "Rio de Janeiro", "Brazil", "America/Sao_Paulo", "BR"},
        {"reykjavik", "Reykjavik", "Iceland", "Atlantic/Reykjavik", "IS"},
        {"lisbon", "Lisbon", "Portugal", "Europe/Lisbon", "PT"},
        {"london", "London", "United Kingdom", "Europe/London", "GB"},
        {"dublin", "Dublin", "Ireland", "Europe/Dublin", "IE"},
        {"paris", "Paris", "France", "Europe/Paris", "FR"},
        {"madrid", "Madrid", "Spain", "Europe/Madrid", "ES"},
        {"barcelona", "Barcelona", "Spain", "Europe/Madrid", "ES"},
        {"amsterdam", "Amsterdam", "Netherlands", "Europe/Amsterdam", "NL"},
        {"berlin", "Berlin", "Germany", "Europe/Berlin", "DE"},
        {"zurich", "Zurich", "Switzerland", "Europe/Zurich", "CH"},
        {"rome", "Rome", "Italy", "Europe/Rome", "IT"},
        {"stockholm", "Stockholm", "Sweden", "Europe/Stockholm", "SE"},
        {"copenhagen", "Copenhagen", "Denmark", "Europe/Copenhagen", "DK"},
        {"athens", "Athens", "Greece", "Europe/Athens", "GR"},
        {"helsinki", "Helsinki", "Finland", "Europe/Helsinki", "FI"},
        {"istanbul", "Istanbul", "Turkey", "Europe/Istanbul", "TR"},
        {"cairo", "Cairo", "Egypt", "Africa/Cairo", "EG"},
        {"lagos", "Lagos", "Nigeria", "Africa/Lagos", "NG"},
        {"johannesburg", "Johannesburg", "South Africa", "Africa/Johannesburg", "ZA"},
        {"nairobi", "Nairobi", "Kenya", "Africa/Nairobi", "KE"},
        {"moscow", "Moscow", "Russia", "Europe/Moscow", "RU"},
        {"riyadh", "Riyadh", "Saudi Arabia", "Asia/Riyadh", "SA"},
        {"dubai", "Dubai", "UAE", "Asia/Dubai", "AE"},
        {"karachi", "Karachi", "Pakistan", "Asia/Karachi", "PK"},
        {"mumbai", "Mumbai", "India", "Asia/Kolkata", "IN"},
        {"delhi", "New Delhi", "India", "Asia/Kolkata", "IN"},
        {"bangalore", "Bangalore", "India", "Asia/Kolkata", "IN"},
        {"kathmandu", "Kathmandu", "Nepal", "Asia/Kathmandu", "NP"},
        {"dhaka", "Dhaka", "Bangladesh", "Asia/Dhaka", "BD"},
        {"bangkok", "Bangkok", "Thailand", "Asia/Bangkok", "TH"},
        {"jakarta", "Jakarta", "Indonesia", "Asia/Jakarta", "ID"},
        {"singapore", "Singapore", "Singapore", "Asia/Singapore", "SG"},
        {"hong-kong", "Hong Kong", "China", "Asia/Hong_Kong", "CN"},
        {"shanghai", "Shanghai", "China", "Asia/Shanghai", "CN"},
        {"beijing", "Beijing", "China", "Asia/Shanghai", "CN"},
        {"taipei", "Taipei", "Taiwan", "Asia/Taipei", "TW"},
        {"manila", "Manila", "Philippines", "Asia/Manila", "PH"},
        {"seoul", "Seoul", "South Korea", "Asia/Seoul", "KR"},
        {"tokyo", "Tokyo", "Japan", "Asia/Tokyo", "JP"},
        {"perth", "Perth", "Australia", "Australia/Perth", "AU"},
        {"adelaide", "Adelaide", "Australia", "Australia/Adelaide", "AU"},
        {"sydney", "Sydney", "Australia", "Australia/Sydney", "AU"},
        {"melbourne", "Melbourne", "Australia", "Australia/Melbourne", "AU"},
        {"auckland", "Auckland", "New Zealand", "Pacific/Auckland", "NZ"},
    };
    std::vector<City> cities;
    cities.reserve(std::size(kRows));
    for (const Row& row : kRows)
        cities.push_back({row.id, row.name, row.country, row.zone, row.countryCode});
    return cities;
}

// Case folded the way the locale folds (Turkish and Azeri keep their dotted and dotless i apart)
// and composed, so that accents stay significant whichever way they were typed.
icu::UnicodeString searchForm(icu::UnicodeString text, bool turkic)
{
    text.foldCase(turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* composer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return text;
    icu::UnicodeString composed = composer->normalize(text, status);
    return U_SUCCESS(status) ? composed : text;
}

icu::UnicodeString searchForm(std::string_view text, bool turkic)
{
    const std::u16string utf16 = text::utf16FromUtf8(text);
    return searchForm(icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size())), turkic);
}

// Without horizontal white space (spaces and tabs of every script) at either end; line feeds stay.
std::u32string trimmedQuery(std::string_view query)
{
    const std::u32string text = text::utf32FromUtf8(query);
    const auto blank = [](char32_t character) { return u_isblank(static_cast<UChar32>(character)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::u32string(first, last) : std::u32string();
}

} // namespace

const std::vector<City>& City::all()
{
    static const std::vector<City> catalogue = buildCatalogue();
    return catalogue;
}

City City::localIn(std::string_view zoneIdentifier)
{
    std::string name = "Local";
    // TZ may hold a rule rather than a zone's name ("CET-1CEST,M3.5.0,M10.5.0/3"): its standard
    // abbreviation is what people call that time; the text after its last slash is not.
    if (const std::optional<PosixTzRule> rule = parsePosixTzRule(zoneIdentifier)) {
        const bool named = std::any_of(rule->standardName.begin(), rule->standardName.end(),
            [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
        return {std::string(kLocalID), named ? rule->standardName : name, std::string(kLocalCountry),
            std::string(zoneIdentifier), {}};
    }
    std::size_t end = zoneIdentifier.size();
    while (end > 0) {
        const std::size_t slash = zoneIdentifier.rfind('/', end - 1);
        const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
        if (end > start) {
            name = std::string(zoneIdentifier.substr(start, end - start));
            break;
        }
        end = slash == std::string_view::npos ? 0 : slash;
    }
    for (char& character : name) {
        if (character == '_')
            character = ' ';
    }
    return {
        std::string(kLocalID), std::move(name), std::string(kLocalCountry), std::string(zoneIdentifier), {}};
}

City City::local()
{
    return localIn(TimeZone::current().identifier());
}

std::optional<City> City::find(std::string_view id)
{
    if (id == kLocalID)
        return local();
    for (const City& city : all()) {
        if (city.id == id)
            return city;
    }
    return std::nullopt;
}

std::vector<City> City::search(std::string_view query, const OtherNames& otherNames)
{
    return search(query, local(), text::userLocaleIdentifier("LC_CTYPE"), otherNames);
}

std::vector<City> City::search(std::string_view query, const City& localCity,
    std::string_view localeIdentifier, const OtherNames& otherNames)
{
    std::vector<City> candidates;
    candidates.reserve(all().size() + 1);
    candidates.push_back(localCity);
    candidates.insert(candidates.end(), all().begin(), all().end());

    const std::u32string trimmed = trimmedQuery(query);
    if (trimmed.empty())
        return candidates;

    const std::string language = icu::Locale(std::string(localeIdentifier).c_str()).getLanguage();
    const bool turkic = language == "tr" || language == "az";
    const icu::UnicodeString needle
        = searchForm(icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(trimmed.data()),
                         static_cast<int32_t>(trimmed.size())),
            turkic);
    std::vector<City> matches;
    const auto found = [&](std::string_view name) { return searchForm(name, turkic).indexOf(needle) >= 0; };
    for (City& city : candidates) {
        const std::vector<std::string> others = otherNames ? otherNames(city) : std::vector<std::string>();
        if (found(city.name) || found(city.country) || std::any_of(others.begin(), others.end(), found))
            matches.push_back(std::move(city));
    }
    return matches;
}

} // namespace quillon
