// City and country names from ICU's time zone names and display names.
#include "scenes/city_names.h"

#include "platform/text/utf.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <mutex>

namespace quillon {
namespace {

icu::UnicodeString unicode(std::string_view text)
{
    const std::u16string utf16 = text::utf16FromUtf8(text);
    return icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size()));
}

std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

// A zone of ICU's database: ICU makes up a city for any other text from its last part ("3" for
// the POSIX rule "CET-1CEST,M3.5.0,M10.5.0/3").
bool knownZone(std::string_view zoneID)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString canonical;
    UBool systemZone = false;
    icu::TimeZone::getCanonicalID(unicode(zoneID), canonical, systemZone, status);
    return U_SUCCESS(status) && systemZone;
}

// ICU's zone names for a locale, made once each: making them reads a good part of the locale's data.
std::optional<std::string> exemplarCity(std::string_view zoneID, std::string_view localeIdentifier)
{
    if (!knownZone(zoneID))
        return std::nullopt;
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<icu::TimeZoneNames>, std::less<>> namesByLocale;
    const std::lock_guard lock(guard);
    auto found = namesByLocale.find(localeIdentifier);
    if (found == namesByLocale.end()) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::TimeZoneNames> names(
            icu::TimeZoneNames::createInstance(icu::Locale(std::string(localeIdentifier).c_str()), status));
        if (U_FAILURE(status))
            names.reset();
        found = namesByLocale.emplace(std::string(localeIdentifier), std::move(names)).first;
    }
    if (!found->second)
        return std::nullopt;
    icu::UnicodeString name;
    found->second->getExemplarLocationName(unicode(zoneID), name);
    if (name.isBogus() || name.isEmpty())
        return std::nullopt;
    return utf8(name);
}

// Without accents and case: "Bogotá" and "Bogota" are one city.
icu::UnicodeString plainForm(const icu::UnicodeString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decomposer = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status))
        return text;
    const icu::UnicodeString decomposed = decomposer->normalize(text, status);
    if (U_FAILURE(status))
        return text;
    icu::UnicodeString plain;
    for (int32_t index = 0; index < decomposed.length();) {
        const UChar32 character = decomposed.char32At(index);
        if (u_charType(character) != U_NON_SPACING_MARK)
            plain.append(character);
        index += U16_LENGTH(character);
    }
    return plain.foldCase();
}

// The zone is named after the city when ICU's English name for the zone's city is the city's.
bool zoneNamedAfter(const City& city)
{
    const std::optional<std::string> english = exemplarCity(city.timeZoneID, "en");
    return english && plainForm(unicode(*english)) == plainForm(unicode(city.name));
}

} // namespace

std::optional<std::string> zoneCityName(const City& city, std::string_view localeIdentifier)
{
    if (city.id != City::kLocalID && !zoneNamedAfter(city))
        return std::nullopt;
    return exemplarCity(city.timeZoneID, localeIdentifier);
}

std::optional<std::string> countryName(const City& city, std::string_view localeIdentifier)
{
    if (city.countryCode.empty())
        return std::nullopt;
    const icu::Locale region("und", city.countryCode.c_str());
    icu::UnicodeString name;
    region.getDisplayCountry(icu::Locale(std::string(localeIdentifier).c_str()), name);
    // ICU gives the code back for a region it cannot name.
    if (name.isBogus() || name.isEmpty() || utf8(name) == city.countryCode)
        return std::nullopt;
    return utf8(name);
}

} // namespace quillon
