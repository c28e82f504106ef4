// The calendar against the C library's own reading of the tz database, and its week rules
// against ICU's.
#include "platform/calendar/calendar.h"

#include "tests/support/libc_time.h"
#include "tests/support/test_zones.h"

#include <gtest/gtest.h>

#include <unicode/gregocal.h>
#include <unicode/locid.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <memory>

namespace quillon {
namespace {

// Every zone the city catalogue shows.
const char* const kCatalogueZones[] = {"Pacific/Honolulu", "America/Anchorage", "America/Los_Angeles",
    "America/Vancouver", "America/Denver", "America/Phoenix", "America/Mexico_City", "America/Chicago",
    "America/New_York", "America/Toronto", "America/Puerto_Rico", "America/Santo_Domingo", "America/Bogota",
    "America/Lima", "America/Santiago", "America/Argentina/Buenos_Aires", "America/Sao_Paulo",
    "Atlantic/Reykjavik", "Europe/Lisbon", "Europe/London", "Europe/Dublin", "Europe/Paris", "Europe/Madrid",
    "Europe/Amsterdam", "Europe/Berlin", "Europe/Zurich", "Europe/Rome", "Europe/Stockholm",
    "Europe/Copenhagen", "Europe/Athens", "Europe/Helsinki", "Europe/Istanbul", "Africa/Cairo",
    "Africa/Lagos", "Africa/Johannesburg", "Africa/Nairobi", "Europe/Moscow", "Asia/Riyadh", "Asia/Dubai",
    "Asia/Karachi", "Asia/Kolkata", "Asia/Kathmandu", "Asia/Dhaka", "Asia/Bangkok", "Asia/Jakarta",
    "Asia/Singapore", "Asia/Hong_Kong", "Asia/Shanghai", "Asia/Taipei", "Asia/Manila", "Asia/Seoul",
    "Asia/Tokyo", "Australia/Perth", "Australia/Adelaide", "Australia/Sydney", "Australia/Melbourne",
    "Pacific/Auckland"};

Instant utc(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(
        static_cast<double>(testing::utc(year, month, day, hour, minute, second)));
}

Calendar calendarIn(const char* zone, const char* locale = "en_US")
{
    auto timeZone = TimeZone::named(zone);
    EXPECT_TRUE(timeZone) << zone;
    return Calendar::forLocale(locale, timeZone.value_or(TimeZone::utc()));
}

// 2026 is this product's present; 2041 lies beyond the last transition that zone files list, where
// only the rule at their end tells the offsets. Both read the machine's own database, whatever its
// release: what matters is that we read its files as the C library does.
TEST(CalendarAgainstLibc, CatalogueZonesAgreeHourByHourThroughAWholeYear)
{
    const testing::ScopedZoneFolder machineZones(testing::systemZoneFolder());
    for (const char* zone : kCatalogueZones) {
        SCOPED_TRACE(zone);
        const Calendar calendar = calendarIn(zone);
        const testing::ScopedTZ tz(zone);
        int mismatches = 0;
        for (std::int64_t year : {2026, 2041}) {
            const std::int64_t start = static_cast<std::int64_t>(utc(year, 1, 1).unixSeconds());
            for (std::int64_t hour = 0; hour < 365 * 24 && mismatches < 3; ++hour) {
                const std::time_t when = static_cast<std::time_t>(start + hour * 3600 + 1799);
                std::tm expected {};
                localtime_r(&when, &expected);
                const Instant instant = Instant::fromUnixSeconds(static_cast<double>(when));
                const DateComponents actual = calendar.components(instant);
                const bool same = calendar.timeZone().offsetSeconds(instant) == expected.tm_gmtoff
                    && actual.year == expected.tm_year + 1900 && actual.month == expected.tm_mon + 1
                    && actual.day == expected.tm_mday && actual.hour == expected.tm_hour
                    && actual.minute == expected.tm_min && actual.weekday == expected.tm_wday + 1
                    && actual.dayOfYear == expected.tm_yday + 1;
                if (!same) {
                    ++mismatches;
                    ADD_FAILURE() << "at unix time " << when << ": libc says offset " << expected.tm_gmtoff
                                  << ", " << expected.tm_mday << "/" << expected.tm_mon + 1 << " "
                                  << expected.tm_hour << ":" << expected.tm_min;
                }
            }
        }
    }
}

TEST(CalendarInterval, DaysAroundDaylightSavingChangesLast23Or25Hours)
{
    struct Case {
        const char* zone;
        Instant inside;
        Instant expectedStart;
        double hours;
    };
    const Case cases[] = {
        {"America/New_York", utc(2026, 3, 8, 16), utc(2026, 3, 8, 5), 23},
        {"America/New_York", utc(2026, 11, 1, 16), utc(2026, 11, 1, 4), 25},
        {"Australia/Sydney", utc(2026, 10, 4, 2), utc(2026, 10, 3, 14), 23},
        // Chile moves its clocks at midnight: the day summer time starts has no 00:00 and begins at
        // 01:00, the day it ends repeats an hour before midnight.
        {"America/Santiago", utc(2026, 9, 6, 16), utc(2026, 9, 6, 4), 23},
        {"America/Santiago", utc(2026, 4, 4, 16), utc(2026, 4, 4, 3), 25},
        {"America/Santiago", utc(2026, 4, 5, 16), utc(2026, 4, 5, 4), 24},
        {"Asia/Kolkata", utc(2026, 6, 1, 12), utc(2026, 5, 31, 18, 30), 24},
    };
    for (const Case& c : cases) {
        const Calendar calendar = calendarIn(c.zone);
        SCOPED_TRACE(::testing::Message() << c.zone << " at " << c.inside.unixSeconds());
        const auto day = calendar.interval(CalendarUnit::day, c.inside);
        ASSERT_TRUE(day);
        EXPECT_EQ(day->start, c.expectedStart);
        EXPECT_EQ(day->duration, c.hours * 3600);
        EXPECT_EQ(calendar.startOfDay(c.inside), c.expectedStart);
    }
}

TEST(CalendarInterval, WeeksMonthsAndYearsFollowTheLocale)
{
    const Instant saturday = utc(2026, 12, 5, 18, 30); // a Saturday in December
    const Calendar us = calendarIn("UTC", "en_US");
    const Calendar germany = calendarIn("UTC", "de_DE");

    EXPECT_EQ(
        us.interval(CalendarUnit::weekOfYear, saturday), (DateInterval {utc(2026, 11, 29), 7 * 86400.0}));
    EXPECT_EQ(germany.interval(CalendarUnit::weekOfYear, saturday),
        (DateInterval {utc(2026, 11, 30), 7 * 86400.0}));
    EXPECT_EQ(
        us.interval(CalendarUnit::month, utc(2028, 2, 10)), (DateInterval {utc(2028, 2, 1), 29 * 86400.0}));
    EXPECT_EQ(us.interval(CalendarUnit::year, saturday), (DateInterval {utc(2026, 1, 1), 365 * 86400.0}));

    // A week that spans a change of clocks is an hour short.
    const Calendar newYork = calendarIn("America/New_York", "en_US");
    const auto week = newYork.interval(CalendarUnit::weekOfYear, utc(2026, 3, 10));
    ASSERT_TRUE(week);
    EXPECT_EQ(week->start, utc(2026, 3, 8, 5));
    EXPECT_EQ(week->duration, 7 * 86400.0 - 3600);

    for (double notAnInstant : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300}) {
        EXPECT_EQ(us.interval(CalendarUnit::day, Instant {notAnInstant}), std::nullopt) << notAnInstant;
    }
}

TEST(CalendarComponents, WeekNumbersMatchIcuUnderUsAndGermanRules)
{
    for (const char* locale : {"en_US", "de_DE"}) {
        SCOPED_TRACE(locale);
        const Calendar calendar = calendarIn("UTC", locale);
        UErrorCode status = U_ZERO_ERROR;
        icu::GregorianCalendar reference(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status);
        ASSERT_TRUE(U_SUCCESS(status));
        for (std::int64_t days = daysFromCivil({2019, 12, 1}); days < daysFromCivil({2031, 2, 1}); ++days) {
            const Instant noon = Instant::fromUnixSeconds(static_cast<double>(days * 86400 + 43200));
            reference.setTime(noon.unixSeconds() * 1000.0, status);
            const DateComponents components = calendar.components(noon);
            ASSERT_EQ(components.weekOfYear, reference.get(UCAL_WEEK_OF_YEAR, status)) << "day " << days;
            ASSERT_EQ(components.yearForWeekOfYear, reference.get(UCAL_YEAR_WOY, status)) << "day " << days;
        }
    }
}

TEST(CalendarArithmetic, SettingATimeResolvesSkippedAndRepeatedWallClocks)
{
    const Calendar newYork = calendarIn("America/New_York");
    // 02:30 does not exist on 8 March: the first instant after the gap is 03:00 EDT.
    EXPECT_EQ(newYork.settingTime(utc(2026, 3, 8, 12), 2, 30, 0), utc(2026, 3, 8, 7));
    // 01:30 happens twice on 1 November: the first is still summer time.
    EXPECT_EQ(newYork.settingTime(utc(2026, 11, 1, 12), 1, 30, 0), utc(2026, 11, 1, 5, 30));
    EXPECT_EQ(newYork.settingTime(utc(2026, 12, 7, 12), 9, 41, 5), utc(2026, 12, 7, 14, 41, 5));
    EXPECT_EQ(newYork.instantAt({2026, 2, 31}, 12, 0, 0), utc(2026, 2, 28, 17));
}

TEST(CalendarArithmetic, AddingDaysAndMonthsKeepsTheWallClock)
{
    const Calendar london = calendarIn("Europe/London");
    EXPECT_EQ(london.addingDays(utc(2026, 3, 28, 9), 1), utc(2026, 3, 29, 8)); // 09:00 GMT, then 09:00 BST
    EXPECT_EQ(london.addingDays(utc(2026, 3, 29, 8), -1), utc(2026, 3, 28, 9));
    EXPECT_EQ(
        london.addingMonths(utc(2026, 1, 31, 12), 1), utc(2026, 2, 28, 12)); // clamped to February's end
    EXPECT_EQ(london.addingMonths(utc(2024, 1, 31, 12), 1), utc(2024, 2, 29, 12));
    EXPECT_EQ(london.addingMonths(utc(2026, 11, 15, 12), 14), utc(2028, 1, 15, 12));
    EXPECT_EQ(london.addingMonths(utc(2026, 3, 15, 12), -15), utc(2024, 12, 15, 12));

    // Absurd amounts clamp instead of overflowing.
    for (std::int64_t amount :
        {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_TRUE(std::isfinite(london.addingDays(utc(2026, 1, 1), amount).secondsSinceReferenceDate));
        EXPECT_TRUE(std::isfinite(london.addingMonths(utc(2026, 1, 1), amount).secondsSinceReferenceDate));
    }
}

TEST(CalendarArithmetic, StartOfMinuteIsOnTheWallClock)
{
    const Calendar tokyo = calendarIn("Asia/Tokyo");
    EXPECT_EQ(tokyo.startOfMinute(utc(2026, 12, 5, 14, 30, 59) + 0.75), utc(2026, 12, 5, 14, 30));
    EXPECT_EQ(tokyo.startOfMinute(utc(2026, 12, 5, 14, 30)), utc(2026, 12, 5, 14, 30));

    // Amsterdam kept time 19 minutes 32 seconds ahead of Greenwich in 1930.
    const Calendar amsterdam = calendarIn("Europe/Amsterdam");
    const Instant start = amsterdam.startOfMinute(utc(1930, 1, 15, 12, 0, 45));
    EXPECT_EQ(amsterdam.components(start).second, 0);
    EXPECT_EQ(start, utc(1930, 1, 15, 12, 0, 28));
}

TEST(CalendarComponents, InstantsOutsideTheRangeAreClampedNotUndefined)
{
    const Calendar calendar = calendarIn("Europe/Berlin");
    for (double seconds : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300, 9.3e18, -9.3e18}) {
        SCOPED_TRACE(seconds);
        const DateComponents components = calendar.components(Instant {seconds});
        EXPECT_GE(components.month, 1);
        EXPECT_LE(components.month, 12);
        EXPECT_TRUE(std::isfinite(calendar.startOfMinute(Instant {seconds}).secondsSinceReferenceDate));
    }
    EXPECT_EQ(calendar.components(Instant {std::numeric_limits<double>::quiet_NaN()}).year, 2001);
}

} // namespace
} // namespace quillon
