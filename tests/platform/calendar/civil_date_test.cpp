// Civil dates and day counts.
#include "platform/calendar/civil_date.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(CivilDate, KnownDatesHaveTheirDayCountsAndWeekdays)
{
    struct Case {
        CivilDate date;
        std::int64_t days;
        int weekday; // 0 = Sunday
    };
    const Case cases[] = {
        {{1970, 1, 1}, 0, 4},
        {{2001, 1, 1}, 11323, 1},
        {{2000, 2, 29}, 11016, 2},
        {{2026, 12, 5}, 20792, 6},
        {{1969, 12, 31}, -1, 3},
        {{1600, 3, 1}, -135080, 3},
        {{-1, 12, 31}, -719529, 5},
        {{2400, 2, 29}, 157113, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
        EXPECT_EQ(daysFromCivil(c.date), c.days);
        EXPECT_EQ(civilFromDays(c.days), c.date);
        EXPECT_EQ(weekdayFromDays(c.days), c.weekday);
    }
}

TEST(CivilDate, ConsecutiveDaysWalkTheCalendarWithoutGaps)
{
    CivilDate expected {-401, 1, 1};
    for (std::int64_t days = daysFromCivil(expected); expected.year < 2401; ++days) {
        ASSERT_EQ(civilFromDays(days), expected) << days;
        if (++expected.day > daysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

TEST(CivilDate, FarYearsDoNotOverflow)
{
    for (std::int64_t year : {std::int64_t {-400'000}, std::int64_t {400'000}, std::int64_t {1} << 40}) {
        const CivilDate date {year, 7, 15};
        EXPECT_EQ(civilFromDays(daysFromCivil(date)), date) << year;
    }
}

TEST(CivilDate, FloorDivisionRoundsDown)
{
    EXPECT_EQ(floorDivide(-1, 86400), -1);
    EXPECT_EQ(floorModulo(-1, 86400), 86399);
    EXPECT_EQ(floorDivide(86400, 86400), 1);
    EXPECT_EQ(floorModulo(-86400, 86400), 0);
}

} // namespace
} // namespace quillon
