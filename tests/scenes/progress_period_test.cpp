// How far through a day, week, month or year an instant is.
#include "scenes/progress_period.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillon {
namespace {

using testing::calendarIn;
using testing::utcInstant;

TEST(PeriodFraction, MeasuresAgainstTheRealLengthOfThePeriod)
{
    struct Case {
        const char* what;
        ProgressPeriod period;
        const char* zone;
        Instant instant;
        double expected;
    };
    const Case cases[] = {
        {"18:00 on an ordinary day", ProgressPeriod::day, "UTC", utcInstant(2026, 6, 10, 18), 0.75},
        {"midnight", ProgressPeriod::day, "UTC", utcInstant(2026, 6, 10), 0},
        {"noon of the first of a 31-day month", ProgressPeriod::month, "UTC", utcInstant(2026, 12, 1, 12),
            0.5 / 31},
        {"noon on New York's 23-hour day", ProgressPeriod::day, "America/New_York",
            utcInstant(2026, 3, 8, 16), 11.0 / 23},
        {"noon on New York's 25-hour day", ProgressPeriod::day, "America/New_York",
            utcInstant(2026, 11, 1, 17), 13.0 / 25},
        {"18:00 in Tokyo", ProgressPeriod::day, "Asia/Tokyo", utcInstant(2026, 6, 10, 9), 0.75},
        {"2 July 12:00 of a common year", ProgressPeriod::year, "UTC", utcInstant(2026, 7, 2, 12),
            182.5 / 365},
        {"Monday noon, weeks from Sunday", ProgressPeriod::week, "UTC", utcInstant(2026, 12, 7, 12), 1.5 / 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(periodFraction(c.period, c.instant, calendarIn(c.zone)), c.expected, 1e-12);
    }
    EXPECT_NEAR(periodFraction(ProgressPeriod::week, utcInstant(2026, 12, 7, 12), calendarIn("UTC", "de_DE")),
        0.5 / 7, 1e-12);
}

TEST(PeriodFraction, AnInstantTheCalendarCannotPlaceGetsAOneSecondInterval)
{
    const Instant far {1e300};
    const DateInterval interval = periodInterval(ProgressPeriod::day, far, calendarIn("UTC"));
    EXPECT_EQ(interval.start, far);
    EXPECT_EQ(interval.duration, 1.0);
    EXPECT_EQ(periodFraction(ProgressPeriod::day, far, calendarIn("UTC")), 0.0);
}

} // namespace
} // namespace quillon
