// The city catalogue: finding cities by id, the local city and searching for the pickers.
#include "scenes/city.h"

#include "platform/calendar/time_zone.h"
#include "tests/support/libc_time.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace quillon {
namespace {

std::vector<std::string> ids(const std::vector<City>& cities)
{
    std::vector<std::string> result;
    for (const City& city : cities)
        result.push_back(city.id);
    return result;
}

TEST(CityCatalogue, HoldsSixtyEightCitiesInTheirFixedOrder)
{
    const std::vector<City>& all = City::all();
    ASSERT_EQ(all.size(), 68u);
    EXPECT_EQ(all.front(), (City {"honolulu", "Honolulu", "USA", "Pacific/Honolulu", "US"}));
    EXPECT_EQ(all.back(), (City {"auckland", "Auckland", "New Zealand", "Pacific/Auckland", "NZ"}));

    std::set<std::string> seen;
    for (const City& city : all) {
        SCOPED_TRACE(city.id);
        EXPECT_TRUE(seen.insert(city.id).second) << "ids are unique";
        EXPECT_EQ(city.id.find_first_not_of("abcdefghijklmnopqrstuvwxyz-"), std::string::npos);
        EXPECT_TRUE(TimeZone::named(city.timeZoneID)) << "every zone is one the system knows";
    }
    for (std::string_view id : kDefaultBoardCityIDs)
        EXPECT_TRUE(seen.contains(std::string(id))) << id;
}

TEST(CityCatalogue, IsBuiltOnceWhenManyThreadsAskAtOnce)
{
    std::vector<const std::vector<City>*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (auto& slot : seen)
        threads.emplace_back([&slot] { slot = &City::all(); });
    for (std::thread& thread : threads)
        thread.join();
    for (const auto* catalogue : seen) {
        EXPECT_EQ(catalogue, seen.front());
        EXPECT_EQ(catalogue->size(), 68u);
    }
}

TEST(CityFind, MatchesIdsExactlyAndLocalGivesTheMachinesZone)
{
    EXPECT_EQ(City::find("tokyo"), (City {"tokyo", "Tokyo", "Japan", "Asia/Tokyo", "JP"}));
    for (const char* missing : {"Tokyo", " tokyo", "", "LOCAL", "new york", "atlantis"}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(City::find(missing));
    }
    const testing::ScopedTZ tz("Asia/Kolkata");
    EXPECT_EQ(City::find("local"), (City {"local", "Kolkata", "This Computer", "Asia/Kolkata", ""}));
    EXPECT_EQ(City::local(), City::localIn("Asia/Kolkata"));
}

TEST(LocalCity, IsNamedAfterTheLastPartOfTheZoneIdentifierOrTheRulesStandardTime)
{
    const std::pair<const char*, const char*> cases[] = {
        {"America/Los_Angeles", "Los Angeles"},
        {"America/Argentina/Buenos_Aires", "Buenos Aires"},
        {"UTC", "UTC"},
        {"Etc/GMT+5/", "GMT+5"},
        {"", "Local"},
        {"//", "Local"},
        // A POSIX rule in TZ: named after its standard time, not after "3" behind its last slash.
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET"},
        {"EST5EDT", "EST"},
        {"<+0330>-3:30", "Local"},
    };
    for (const auto& [zone, name] : cases) {
        SCOPED_TRACE(zone);
        EXPECT_EQ(City::localIn(zone), (City {"local", name, "This Computer", zone, ""}));
    }
}

TEST(CitySearch, ABlankQueryListsTheLocalCityThenTheWholeCatalogue)
{
    const City local = City::localIn("Europe/Paris");
    std::vector<City> expected {local};
    expected.insert(expected.end(), City::all().begin(), City::all().end());
    for (const char* blank : {"", "   ", "\t "}) {
        SCOPED_TRACE(::testing::PrintToString(blank));
        EXPECT_EQ(City::search(blank, local, "en_US"), expected);
    }
}

TEST(CitySearch, FindsNamesAndCountriesInCatalogueOrder)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"delhi", {"delhi"}}, // inside New Delhi
        {"india", {"mumbai", "delhi", "bangalore"}}, {"  INDIA  ", {"mumbai", "delhi", "bangalore"}},
        {"new", {"new-york", "delhi", "auckland"}}, // Auckland by its country
        {"mac", {}}, {" This COMPUTER", {"local"}}, {"sao", {"sao-paulo"}},
        {"S\u00E3o", {}}, // accents count: the catalogue spells it Sao Paulo
        {"los-angeles", {}}, // ids are not searched
        {"kolkata", {}}, // nor zones
        {"\n", {}}, // line feeds are not trimmed
    };
    const City local = City::localIn("Europe/Paris");
    for (const auto& [query, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(query));
        EXPECT_EQ(ids(City::search(query, local, "en_US")), expected);
    }
    const City saoTome {"local", "S\u00E3o Tom\u00E9", "This Computer", "Africa/Sao_Tome", ""};
    EXPECT_EQ(City::search("S\u00C3O TOM\u00C9", saoTome, "en_US"), std::vector<City> {saoTome});
    EXPECT_EQ(ids(City::search("sao", saoTome, "en_US")), std::vector<std::string> {"sao-paulo"});
}

TEST(CitySearch, OnAMachineInLondonTheLocalLondonComesFirst)
{
    const testing::ScopedTZ tz("Europe/London");
    const std::vector<City> found = City::search("london");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], (City {"local", "London", "This Computer", "Europe/London", ""}));
    EXPECT_EQ(found[1], City::find("london"));
}

} // namespace
} // namespace quillon
