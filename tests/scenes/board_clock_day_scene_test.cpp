// The world board, clock and day displays as scenes.
#include "scenes/scene_builders.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::bar;
using testing::calendarIn;
using testing::centre;
using testing::describe;
using testing::leading;
using testing::utcInstant;

const City kAtlantis {"atlantis", "Atlantis", "Ocean", "Ocean/Atlantis", ""};

TEST(BoardScene, ShowsAsManyCitiesAsTheSizeHasRows)
{
    const std::vector<City> tenCities(City::all().begin(), City::all().begin() + 10);
    // British Columbia keeps UTC-7 all year from November 2026 on, as the tests' zone data says.
    const std::vector<std::string> rows {" 7:41A Honolulu", " 8:41A Anchorage", " 9:41A Los Angeles",
        " 9:41A San Francisco", " 9:41A Seattle", "10:41A Vancouver", "10:41A Denver", "10:41A Phoenix",
        "11:41A Mexico City", "11:41A Chicago"};
    const std::tuple<DotSize, std::ptrdiff_t, int> cases[] = {{DotSize::small, 3, 9},
        {DotSize::medium, 4, 17}, {DotSize::large, 8, 17}, {DotSize::extraLarge, 7, 26}};
    const Instant instant = utcInstant(2026, 12, 5, 17, 41);
    for (const auto& [size, shown, cells] : cases) {
        SCOPED_TRACE(rawValue(size));
        EXPECT_EQ(describe(boardScene(tenCities, false, instant, size, calendarIn("UTC"))),
            describe({{centre({rows.begin(), rows.begin() + shown}, cells, 1)}, 8, 16}));
        EXPECT_EQ(describe(boardScene({}, false, instant, size, calendarIn("UTC"))),
            describe({{centre({"ADD A CITY"}, cells, 1)}, 8, 16}));
    }
}

TEST(BoardScene, KeepsTheListOrderAndShowsUnknownZonesInTheCalendarsZone)
{
    const std::vector<City> cities {City::find("tokyo").value(), kAtlantis, City::find("london").value()};
    EXPECT_EQ(describe(boardScene(
                  cities, true, utcInstant(2026, 12, 5, 17, 41), DotSize::large, calendarIn("Asia/Dubai"))),
        describe({{centre({"02:41 Tokyo", "21:41 Atlantis", "17:41 London"}, 17, 1)}, 8, 16}));
}

TEST(ClockScene, SetsTheCitysTimeAndDateBySize)
{
    const City london = City::find("london").value();
    const Instant instant = utcInstant(2026, 12, 5, 17, 41);
    const double dayFraction = (17 * 3600 + 41 * 60) / 86400.0;
    const std::tuple<DotSize, bool, DotScene> cases[] = {
        {DotSize::small, false,
            {{leading({"London"}, 9, 1), centre({"05:41"}, 5, 2.2), leading({"SAT 05 DEC PM"}, 10, 1)}, 8,
                16}},
        {DotSize::medium, false,
            {{centre({"05:41"}, 5, 2.6), centre({"London SAT 05 DEC PM"}, 22, 1)}, 8, 18}},
        {DotSize::medium, true, {{centre({"17:41"}, 5, 2.6), centre({"London SAT 05 DEC"}, 22, 1)}, 8, 18}},
        {DotSize::large, true,
            {{leading({"London"}, 12, 1), centre({"17:41"}, 5, 3), leading({"SAT 05 DEC"}, 12, 1),
                 bar(dayFraction, 12, 0.45)},
                12, 20}},
    };
    for (const auto& [size, use24h, expected] : cases) {
        SCOPED_TRACE(std::string(rawValue(size)) + (use24h ? " 24-hour" : " 12-hour"));
        EXPECT_EQ(describe(clockScene(london, use24h, instant, size, calendarIn("Asia/Tokyo"))),
            describe(expected));
    }
    EXPECT_EQ(clockScene(london, false, instant, DotSize::extraLarge, calendarIn("UTC")),
        clockScene(london, false, instant, DotSize::large, calendarIn("UTC")));
}

TEST(ClockScene, TheLargeBarIsAQuarterLitAtSixInTheCitysZoneWhateverTheMachinesZone)
{
    const City tokyo = City::find("tokyo").value();
    for (const char* machineZone :
        {"UTC", "America/Los_Angeles", "Europe/London", "Asia/Tokyo", "Pacific/Auckland"}) {
        SCOPED_TRACE(machineZone);
        const DotScene scene
            = clockScene(tokyo, true, utcInstant(2026, 12, 4, 21), DotSize::large, calendarIn(machineZone));
        ASSERT_EQ(scene.blocks.size(), 4u);
        EXPECT_EQ(scene.blocks[3], DotBlock(bar(0.25, 12, 0.45)));
    }
}

TEST(ClockScene, ACityInAnUnknownZoneShowsTheMachinesTime)
{
    const Instant instant = utcInstant(2026, 12, 5, 17, 41);
    EXPECT_EQ(describe(clockScene(kAtlantis, true, instant, DotSize::medium, calendarIn("Asia/Tokyo"))),
        describe({{centre({"02:41"}, 5, 2.6), centre({"Atlantis SUN 06 DEC"}, 22, 1)}, 8, 18}));
    const DotScene large = clockScene(kAtlantis, true, instant, DotSize::large, calendarIn("Asia/Tokyo"));
    ASSERT_EQ(large.blocks.size(), 4u);
    EXPECT_EQ(large.blocks[3], DotBlock(bar((2 * 3600 + 41 * 60) / 86400.0, 12, 0.45)));
}

DotScene largeDay(const char* weekday, const char* day, const char* monthAndYear, const char* weekAndDay)
{
    return {{leading({weekday}, 9, 1.3), leading({day}, 2, 2.6), leading({monthAndYear}, 14, 1),
                bar(0.5, 14, 0.45), leading({weekAndDay}, 18, 0.8)},
        12, 20};
}

TEST(DayScene, SetsTheDateInTheCalendarsZoneBySize)
{
    const Instant noon = utcInstant(2026, 12, 5, 12);
    const Calendar london = calendarIn("Europe/London");
    EXPECT_EQ(describe(dayScene(noon, DotSize::small, london)),
        describe({{centre({"SAT"}, 3, 1), centre({"05"}, 2, 2.2), centre({"DEC"}, 3, 1)}, 8, 16}));
    EXPECT_EQ(describe(dayScene(noon, DotSize::medium, london)),
        describe(
            {{leading({"SATURDAY"}, 9, 1.5), leading({"05 DECEMBER"}, 16, 1), bar(0.5, 16, 0.5)}, 10, 18}));
    EXPECT_EQ(describe(dayScene(noon, DotSize::large, london)),
        describe(largeDay("SATURDAY", "05", "DECEMBER 2026", "WEEK 49  DAY 339")));
    EXPECT_EQ(dayScene(noon, DotSize::extraLarge, london), dayScene(noon, DotSize::large, london));
    // Late on Saturday in London is already Sunday in Tokyo.
    EXPECT_EQ(describe(dayScene(utcInstant(2026, 12, 5, 23, 30), DotSize::small, calendarIn("Asia/Tokyo"))),
        describe({{centre({"SUN"}, 3, 1), centre({"06"}, 2, 2.2), centre({"DEC"}, 3, 1)}, 8, 16}));
}

TEST(DayScene, CountsWeeksByTheLocalesRulesButNamesDaysInEnglish)
{
    struct Case {
        const char* what;
        Instant instant;
        const char* locale;
        DotScene expected;
    };
    const Case cases[] = {
        {"1 January, US weeks", utcInstant(2027, 1, 1, 12), "en_US",
            largeDay("FRIDAY", "01", "JANUARY 2027", "WEEK 1  DAY 1")},
        {"1 January, ISO weeks", utcInstant(2027, 1, 1, 12), "de_DE",
            largeDay("FRIDAY", "01", "JANUARY 2027", "WEEK 53  DAY 1")},
        {"31 December, US weeks", utcInstant(2026, 12, 31, 12), "en_US",
            largeDay("THURSDAY", "31", "DECEMBER 2026", "WEEK 1  DAY 365")},
        {"the end of a leap year", utcInstant(2024, 12, 31, 12), "de_DE",
            largeDay("TUESDAY", "31", "DECEMBER 2024", "WEEK 1  DAY 366")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(describe(dayScene(c.instant, DotSize::large, calendarIn("Europe/London", c.locale))),
            describe(c.expected));
    }
}

} // namespace
} // namespace quillon
