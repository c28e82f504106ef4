// Dates written the way each locale writes them, on the wall clock of our own zone rules.
#include "platform/calendar/locale_date_format.h"

#include "tests/support/libc_time.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace quillon {
namespace {

Instant utc(std::int64_t year, int month, int day, int hour, int minute)
{
    return Instant::fromUnixSeconds(static_cast<double>(testing::utc(year, month, day, hour, minute)));
}

TimeZone zone(const char* identifier)
{
    return TimeZone::named(identifier).value();
}

bool contains(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

// CLDR 42 puts a narrow no-break space between the time and the day period in English.
const std::string kNarrowSpace = "\u202F";

TEST(LocaleDateFormat, EachLocaleWritesTheSameInstantItsOwnWay)
{
    const Instant saturday = utc(2026, 12, 5, 14, 30);
    const TimeZone utcZone = TimeZone::utc();
    struct Case {
        const char* locale;
        std::vector<std::string> pieces; // of the full date with the short time
        std::vector<std::string> absent;
        std::string shortDate;
        std::string shortTime;
    };
    const Case cases[] = {
        {"en_US", {"Saturday, December 5, 2026", "2:30", "PM"}, {"14:30"}, "12/5/26",
            "2:30" + kNarrowSpace + "PM"},
        {"en_GB", {"Saturday, 5 December 2026", "14:30"}, {"PM", "pm"}, "05/12/2026", "14:30"},
        {"ja_JP", {"2026年12月5日土曜日", "14:30"}, {"PM", "午後"}, "2026/12/05", "14:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const std::string full
            = formatLocaleDate(saturday, utcZone, DateStyle::fullStyle, DateStyle::shortStyle, c.locale);
        for (const std::string& piece : c.pieces)
            EXPECT_TRUE(contains(full, piece)) << full << " lacks " << piece;
        for (const std::string& piece : c.absent)
            EXPECT_FALSE(contains(full, piece)) << full << " has " << piece;
        EXPECT_EQ(formatLocaleDate(saturday, utcZone, DateStyle::shortStyle, DateStyle::none, c.locale),
            c.shortDate);
        EXPECT_EQ(formatLocaleDate(saturday, utcZone, DateStyle::none, DateStyle::shortStyle, c.locale),
            c.shortTime);
    }
    EXPECT_EQ(formatLocaleDate(saturday, utcZone, DateStyle::none, DateStyle::none, "en_US"), "");
}

TEST(LocaleDateFormat, SkeletonsTakeTheLocalesOrderAndHourCycle)
{
    const Instant saturday = utc(2026, 12, 5, 14, 30);
    const TimeZone utcZone = TimeZone::utc();
    struct Case {
        const char* locale;
        const char* skeleton;
        std::string expected;
    };
    const Case cases[] = {
        {"en_US", "MMMMy", "December 2026"},
        {"en_US", "dMMM", "Dec 5"},
        {"en_GB", "dMMM", "5 Dec"},
        {"de_DE", "dMMM", "5. Dez."},
        {"en_US", "jmm", "2:30" + kNarrowSpace + "PM"},
        {"en_GB", "jmm", "14:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.skeleton);
        EXPECT_EQ(formatLocaleSkeleton(saturday, utcZone, c.skeleton, c.locale), c.expected);
    }
    EXPECT_EQ(formatLocaleSkeleton(saturday, utcZone, "", "en_US"), "");
    EXPECT_EQ(formatLocaleSkeleton(saturday, utcZone, std::string(65, 'd'), "en_US"), "");
}

TEST(LocaleDateFormat, TheDayOfTheMonthIsItsDigitsAlone)
{
    const TimeZone utcZone = TimeZone::utc();
    EXPECT_EQ(formatDayOfMonth(utc(2026, 12, 5, 23, 30), utcZone, "en_US"), "5");
    EXPECT_EQ(formatDayOfMonth(utc(2026, 12, 5, 23, 30), zone("Pacific/Auckland"), "en_US"), "6");
    // Where the locale's own "d" adds a unit, the grid keeps the number.
    EXPECT_EQ(formatDayOfMonth(utc(2026, 12, 25, 12, 0), utcZone, "ja_JP"), "25");
    EXPECT_EQ(formatDayOfMonth(utc(2026, 12, 25, 12, 0), utcZone, "not a locale!!"), "25");
}

// The offsets are those of the system's rules; ICU's own zone data is never consulted.
TEST(LocaleDateFormat, TheZonesOffsetDecidesTheDayAndTime)
{
    const Instant nearMidnight = utc(2026, 12, 5, 23, 30);
    const TimeZone auckland = zone("Pacific/Auckland"); // 13 hours ahead in its summer
    const TimeZone losAngeles = zone("America/Los_Angeles"); // 8 hours behind in winter
    EXPECT_EQ(formatLocaleDate(nearMidnight, auckland, DateStyle::longStyle, DateStyle::none, "en_US"),
        "December 6, 2026");
    EXPECT_EQ(formatLocaleDate(nearMidnight, losAngeles, DateStyle::longStyle, DateStyle::none, "en_US"),
        "December 5, 2026");
    EXPECT_EQ(formatLocaleSkeleton(utc(2026, 7, 14, 10, 0), zone("Europe/Berlin"), "Hm", "de_DE"), "12:00");

    // A zone field gives the offset in effect, never a name from ICU's own data.
    const std::string berlinSummer = formatLocaleDate(
        utc(2026, 7, 14, 10, 0), zone("Europe/Berlin"), DateStyle::none, DateStyle::longStyle, "de_DE");
    EXPECT_TRUE(contains(berlinSummer, "12:00:00")) << berlinSummer;
    EXPECT_TRUE(contains(berlinSummer, "+2") || contains(berlinSummer, "+02")) << berlinSummer;
    EXPECT_FALSE(contains(berlinSummer, "MEZ") || contains(berlinSummer, "MESZ")) << berlinSummer;
}

TEST(LocaleDateFormat, VeryShortWeekdaysStartOnSunday)
{
    const std::array<std::string, 7> english {"S", "M", "T", "W", "T", "F", "S"};
    EXPECT_EQ(veryShortWeekdaySymbols("en_US"), english);
    EXPECT_EQ(veryShortWeekdaySymbols("de_DE")[2], "D"); // Dienstag
    EXPECT_EQ(veryShortWeekdaySymbols("ja_JP")[0], "日");
}

TEST(LocaleDateFormat, OddInputGivesTextNotACrash)
{
    const TimeZone utcZone = TimeZone::utc();
    const Instant saturday = utc(2026, 12, 5, 14, 30);
    for (const std::string& locale : {std::string("xx_YY"), std::string(), std::string("not a locale!!"),
             std::string("en_US@calendar=japanese"), std::string(1000, 'x')}) {
        SCOPED_TRACE(locale.substr(0, 40));
        const std::string full
            = formatLocaleDate(saturday, utcZone, DateStyle::fullStyle, DateStyle::shortStyle, locale);
        EXPECT_TRUE(contains(full, "2026")) << full;
        EXPECT_TRUE(contains(formatLocaleSkeleton(saturday, utcZone, "yMMMd", locale), "2026"));
        for (const std::string& symbol : veryShortWeekdaySymbols(locale))
            EXPECT_FALSE(symbol.empty());
    }
    // The Gregorian calendar for every locale: a Japanese era would not write 2026.
    EXPECT_EQ(
        formatLocaleDate(saturday, utcZone, DateStyle::longStyle, DateStyle::none, "ja_JP@calendar=japanese"),
        "2026年12月5日");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(formatLocaleDate(Instant {nan}, utcZone, DateStyle::longStyle, DateStyle::none, "en_US"),
        "January 1, 2001");
    EXPECT_FALSE(
        formatLocaleDate(Instant {1e300}, utcZone, DateStyle::fullStyle, DateStyle::fullStyle, "en_US")
            .empty());
    EXPECT_FALSE(formatLocaleSkeleton(Instant {-1e300}, utcZone, "yMMMMEEEEd", "de_DE").empty());
    // Julian dates before 1582 would shift weekdays; our calendar is Gregorian all the way back.
    EXPECT_EQ(
        formatLocaleDate(utc(1500, 3, 1, 12, 0), utcZone, DateStyle::fullStyle, DateStyle::none, "en_US"),
        "Thursday, March 1, 1500");
}

TEST(LocaleDateFormat, ManyLocalesAndThreadsAtOnce)
{
    const Instant saturday = utc(2026, 12, 5, 14, 30);
    const TimeZone utcZone = TimeZone::utc();
    // More formats than a thread keeps: the ones dropped are built again.
    const char* const locales[] = {"en_US", "en_GB", "de_DE", "ja_JP", "fr_FR", "es_ES", "it_IT"};
    const DateStyle styles[] = {DateStyle::none, DateStyle::shortStyle, DateStyle::mediumStyle,
        DateStyle::longStyle, DateStyle::fullStyle};
    for (const char* locale : locales) {
        for (DateStyle date : styles) {
            for (DateStyle time : styles)
                formatLocaleDate(saturday, utcZone, date, time, locale);
        }
    }
    EXPECT_EQ(
        formatLocaleDate(saturday, utcZone, DateStyle::shortStyle, DateStyle::none, "en_US"), "12/5/26");

    std::vector<std::string> results(8);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < results.size(); ++index) {
        threads.emplace_back([&, index] {
            const char* locale = index % 2 == 0 ? "de_DE" : "en_GB";
            for (int round = 0; round < 50; ++round)
                results[index] = formatLocaleSkeleton(saturday, utcZone, "dMMMMy", locale);
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (std::size_t index = 0; index < results.size(); ++index)
        EXPECT_EQ(results[index], index % 2 == 0 ? "5. Dezember 2026" : "5 December 2026");
}

TEST(LocaleDateFormat, RelativeDatesNameTheDayAndUseTheLargestWholeUnit)
{
    const Instant now = Instant::fromUnixSeconds(1796481000);
    EXPECT_EQ(formatRelativeDate(now + -86400, now, "en_US"), "yesterday");
    EXPECT_EQ(formatRelativeDate(now + 86400, now, "en_US"), "tomorrow");
    EXPECT_EQ(formatRelativeDate(now + -5400, now, "en_US"), "1 hour ago");
    EXPECT_EQ(formatRelativeDate(now + 3 * 86400, now, "en_US"), "in 3 days");
    EXPECT_EQ(formatRelativeDate(now + -300, now, "de_DE"), "vor 5 Minuten");
    EXPECT_EQ(formatRelativeDate(now + -400 * 86400, now, "en_US"), "last year");
    EXPECT_EQ(formatRelativeDate(now, now, "en_US"), "now");
    EXPECT_EQ(formatRelativeDate(Instant {std::numeric_limits<double>::quiet_NaN()}, now, "en_US"), "");
}

} // namespace
} // namespace quillon
