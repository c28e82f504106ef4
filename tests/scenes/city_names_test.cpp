// City and country names in other languages, from ICU.
#include "scenes/city_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quillon {
namespace {

const City& cityWithID(std::string_view id)
{
    return *std::find_if(
        City::all().begin(), City::all().end(), [&](const City& city) { return city.id == id; });
}

TEST(CityNames, ACityItsZoneIsNamedAfterHasTheLanguagesOwnName)
{
    struct Case {
        const char* city;
        const char* locale;
        const char* name;
    };
    const Case cases[] = {
        {"zurich", "de_CH", "Zürich"},
        {"london", "fr_FR", "Londres"},
        {"bogota", "es_ES", "Bogotá"},
        {"tokyo", "ja_JP", "東京"},
        {"london", "ja_JP", "ロンドン"},
        {"mexico-city", "de_DE", "Mexiko-Stadt"},
        {"tokyo", "en_US", "Tokyo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " in " + c.locale);
        EXPECT_EQ(zoneCityName(cityWithID(c.city), c.locale), std::optional<std::string>(c.name));
    }
}

// Thirteen cities keep the time of a zone named after another city, or after none of theirs
// (Mumbai, New Delhi and Bangalore are in Asia/Kolkata): ICU's name would be that other city's.
TEST(CityNames, ExactlyTheCitiesThatShareAnotherCitysZoneHaveNoZoneName)
{
    std::set<std::string> unnamed;
    for (const City& city : City::all()) {
        if (!zoneCityName(city, "de_DE"))
            unnamed.insert(city.id);
    }
    const std::set<std::string> expected {"san-francisco", "seattle", "dallas", "austin", "miami", "boston",
        "san-juan", "rio", "barcelona", "mumbai", "delhi", "bangalore", "beijing"};
    EXPECT_EQ(unnamed, expected);
}

TEST(CityNames, TheMachinesOwnCityIsNamedByItsZoneAndARuleHasNoName)
{
    EXPECT_EQ(zoneCityName(City::localIn("Europe/Vienna"), "de_AT"), std::optional<std::string>("Wien"));
    EXPECT_EQ(zoneCityName(City::localIn("CET-1CEST,M3.5.0,M10.5.0/3"), "de_DE"), std::nullopt);
    EXPECT_EQ(zoneCityName(City::localIn("Nowhere/Atlantis"), "de_DE"), std::nullopt);
}

TEST(CityNames, EveryCountryOfTheCatalogueHasANameInEachLanguage)
{
    for (const char* locale : {"de_DE", "fr_FR", "es_ES", "ja_JP"}) {
        for (const City& city : City::all()) {
            SCOPED_TRACE(city.id + " in " + locale);
            const std::optional<std::string> name = countryName(city, locale);
            ASSERT_TRUE(name.has_value());
            EXPECT_NE(*name, city.countryCode);
        }
    }
    EXPECT_EQ(
        countryName(cityWithID("london"), "de_DE"), std::optional<std::string>("Vereinigtes Königreich"));
    EXPECT_EQ(countryName(cityWithID("tokyo"), "ja_JP"), std::optional<std::string>("日本"));
    EXPECT_EQ(countryName(City::localIn("Europe/Vienna"), "de_DE"), std::nullopt);
}

} // namespace
} // namespace quillon
