// The time and date texts of the world board and the clock.
#include "scenes/time_texts.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::utcInstant;

TimeZone zone(const char* identifier)
{
    return TimeZone::named(identifier).value();
}

TEST(ClockTexts, ReadTheHourAndMinuteInTheGivenZone)
{
    struct Case {
        Instant instant;
        const char* zone;
        std::string time24, time12, meridiem, date;
    };
    const Case cases[] = {
        {utcInstant(2026, 12, 4, 15, 5), "Asia/Tokyo", "00:05", "12:05", "AM", "SAT 05 DEC"},
        {utcInstant(2026, 12, 5, 11, 59), "UTC", "11:59", "11:59", "AM", "SAT 05 DEC"},
        {utcInstant(2026, 12, 5, 12, 0), "UTC", "12:00", "12:00", "PM", "SAT 05 DEC"},
        {utcInstant(2026, 12, 5, 13, 7), "Europe/London", "13:07", "01:07", "PM", "SAT 05 DEC"},
        {utcInstant(2026, 7, 1, 12, 0), "Europe/London", "13:00", "01:00", "PM", "WED 01 JUL"}, // summer time
        {utcInstant(2026, 1, 1, 0, 0), "Asia/Kolkata", "05:30", "05:30", "AM", "THU 01 JAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time24 + " in " + c.zone);
        EXPECT_EQ(clockTimeText(c.instant, zone(c.zone), true), c.time24);
        EXPECT_EQ(clockTimeText(c.instant, zone(c.zone), false), c.time12);
        EXPECT_EQ(meridiemText(c.instant, zone(c.zone)), c.meridiem);
        EXPECT_EQ(clockDateText(c.instant, zone(c.zone)), c.date);
    }
}

// The world board lines up names after a five-character (24-hour) or six-character (12-hour) time.
TEST(BoardRowText, PutsTheCityNameAfterAFixedWidthTime)
{
    const City tokyo = City::find("tokyo").value();
    const City london = City::find("london").value();
    struct Case {
        const char* what;
        const City& city;
        Instant instant;
        bool use24h;
        const char* row;
    };
    const Case cases[] = {
        {"00:05 in Tokyo, 24-hour", tokyo, utcInstant(2026, 12, 4, 15, 5), true, "00:05 Tokyo"},
        {"00:05 in Tokyo, 12-hour", tokyo, utcInstant(2026, 12, 4, 15, 5), false, "12:05A Tokyo"},
        {"13:07, 12-hour", london, utcInstant(2026, 12, 5, 13, 7), false, " 1:07P London"},
        {"10:00, 12-hour keeps both digits", london, utcInstant(2026, 12, 5, 10, 0), false, "10:00A London"},
        {"noon, 12-hour", london, utcInstant(2026, 12, 5, 12, 30), false, "12:30P London"},
    };
    const TimeZone fallback = zone("America/New_York");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(boardRowText(c.city, c.instant, c.use24h, fallback), c.row);
    }
}

// Zones follow the rules of the tz database they are read from, so a change takes effect when the
// data does, without a new build. The tests' database is release 2026f, in which British Columbia
// keeps its summer time on 1 November 2026 and then stays on UTC-7 all year.
TEST(BoardRowText, FollowsARecentRuleChangeOfTheZoneData)
{
    const City vancouver = City::find("vancouver").value();
    struct Case {
        const char* what;
        Instant instant;
        const char* row;
    };
    const Case cases[] = {
        {"standard time the winter before, as Los Angeles", utcInstant(2025, 12, 5, 17, 41),
            " 9:41A Vancouver"},
        {"summer time in 2026", utcInstant(2026, 7, 1, 17, 41), "10:41A Vancouver"},
        {"the last hour of the old rule", utcInstant(2026, 11, 1, 8, 59), " 1:59A Vancouver"},
        {"past the hour the clocks would have gone back", utcInstant(2026, 11, 1, 9, 30), " 2:30A Vancouver"},
        {"the winter after, as Denver", utcInstant(2026, 12, 5, 17, 41), "10:41A Vancouver"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(boardRowText(vancouver, c.instant, false, zone("UTC")), c.row);
    }
}

} // namespace
} // namespace quillon
