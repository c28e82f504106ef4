// Dates written with patterns in the fixed English locale.
#include "platform/calendar/date_format.h"

#include "tests/support/libc_time.h"
#include "tests/support/scoped_environment.h"

#include <gtest/gtest.h>

#include <limits>
#include <thread>
#include <vector>

namespace quillon {
namespace {

Instant utc(std::int64_t year, int month, int day, int hour, int minute)
{
    return Instant::fromUnixSeconds(static_cast<double>(testing::utc(year, month, day, hour, minute)));
}

TEST(PosixDateFormat, WritesEnglishNamesInTheGivenZone)
{
    const TimeZone utcZone = TimeZone::utc();
    const TimeZone tokyo = TimeZone::named("Asia/Tokyo").value();
    const Instant saturday = utc(2026, 12, 5, 20, 30); // Sunday morning in Tokyo
    struct Case {
        const TimeZone& zone;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {utcZone, "EEE dd MMM", "Sat 05 Dec"},
        {tokyo, "EEE dd MMM", "Sun 06 Dec"},
        {tokyo, "HH:mm", "05:30"},
    };
    // The user's locale plays no part.
    const testing::ScopedEnvironmentVariable userLocale("LC_ALL", "de_DE.UTF-8");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(formatPosixDate(saturday, c.zone, c.pattern), c.expected);
    }
}

TEST(PosixDateFormat, OddInputGivesTextNotACrash)
{
    const TimeZone zone = TimeZone::utc();
    EXPECT_EQ(formatPosixDate(Instant {std::numeric_limits<double>::quiet_NaN()}, zone, "yyyy"), "2001");
    EXPECT_FALSE(formatPosixDate(Instant {1e300}, zone, "EEE dd MMM yyyy").empty());
    EXPECT_EQ(formatPosixDate(utc(2026, 1, 1, 0, 0), zone, ""), "");
    EXPECT_EQ(formatPosixDate(utc(2026, 1, 1, 0, 0), zone, std::string(10000, 'y')), "");
    // Julian dates before 1582 would shift weekdays; our calendar is Gregorian all the way back.
    EXPECT_EQ(formatPosixDate(utc(1500, 3, 1, 12, 0), zone, "EEEE dd MMMM yyyy"), "Thursday 01 March 1500");
}

TEST(PosixDateFormat, ThreadsFormatAtTheSameTime)
{
    const TimeZone zone = TimeZone::named("Europe/Paris").value();
    std::vector<std::string> results(8);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < results.size(); ++index) {
        threads.emplace_back([&, index] {
            for (int round = 0; round < 100; ++round)
                results[index] = formatPosixDate(utc(2026, 7, 14, 10, 0), zone, "EEEE dd MMMM HH:mm");
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, "Tuesday 14 July 12:00");
}

} // namespace
} // namespace quillon
