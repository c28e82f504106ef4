// The progress, countdown and sign displays as scenes.
#include "scenes/display_text.h"
#include "scenes/scene_builders.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <regex>

namespace quillon {
namespace {

using testing::bar;
using testing::calendarIn;
using testing::centre;
using testing::describe;
using testing::leading;
using testing::utcInstant;

const Calendar kUtc = calendarIn("UTC");

int length(const std::string& text)
{
    return static_cast<int>(text.size());
}

TEST(ProgressTexts, NameThePeriodAndWhatIsLeftOfIt)
{
    struct Case {
        ProgressPeriod period;
        Instant instant;
        const char* locale;
        std::string label, percent, left;
    };
    const Case cases[] = {
        {ProgressPeriod::year, utcInstant(2026, 7, 2, 12), "en_US", "2026", "50%", "183 DAYS LEFT"},
        {ProgressPeriod::day, utcInstant(2026, 12, 5, 18, 30), "en_US", "SATURDAY", "77%", "5H 30M LEFT"},
        {ProgressPeriod::day, utcInstant(2026, 12, 5, 0), "en_US", "SATURDAY", "0%",
            "24H 0M LEFT"}, // never in days
        {ProgressPeriod::week, utcInstant(2026, 12, 4, 18), "en_US", "WEEK 49", "82%", "2 DAYS LEFT"},
        {ProgressPeriod::week, utcInstant(2026, 12, 5, 0), "en_US", "WEEK 49", "85%", "1 DAYS LEFT"},
        {ProgressPeriod::week, utcInstant(2026, 12, 5, 0, 1), "en_US", "WEEK 49", "85%", "23H 59M LEFT"},
        {ProgressPeriod::week, utcInstant(2026, 12, 6, 12), "en_US", "WEEK 50", "7%",
            "7 DAYS LEFT"}, // US weeks
        {ProgressPeriod::week, utcInstant(2026, 12, 6, 12), "de_DE", "WEEK 49", "92%",
            "12H 0M LEFT"}, // ISO weeks
        {ProgressPeriod::month, utcInstant(2026, 12, 5, 12), "en_US", "DECEMBER", "14%", "27 DAYS LEFT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(rawValue(c.period)) + " with " + c.left + " under " + c.locale);
        const Calendar calendar = Calendar::forLocale(c.locale, TimeZone::utc());
        EXPECT_EQ(periodLabel(c.period, c.instant, calendar), c.label);
        EXPECT_EQ(periodRemainingText(c.period, c.instant, calendar), c.left);
        const double fraction = periodFraction(c.period, c.instant, calendar);
        EXPECT_EQ(describe(progressScene(c.period, c.instant, DotSize::small, calendar)),
            describe(
                {{leading({c.label}, 9, 1), centre({c.percent}, length(c.percent), 2), bar(fraction, 9, 0.5)},
                    8, 16}));
    }
}

TEST(ProgressScene, SetsLabelPercentBarAndWhatIsLeftBySize)
{
    const Calendar calendar = Calendar::forLocale("en_US", TimeZone::utc());
    const Instant saturdayEvening = utcInstant(2026, 12, 5, 18, 30);
    const double fraction = 18.5 / 24;
    EXPECT_EQ(describe(progressScene(ProgressPeriod::day, saturdayEvening, DotSize::medium, calendar)),
        describe(
            {{centre({"SATURDAY     77%"}, 16, 1), bar(fraction, 16, 0.9), centre({"5H 30M LEFT"}, 16, 0.8)},
                12, 18}));
    for (DotSize size : {DotSize::large, DotSize::extraLarge}) {
        SCOPED_TRACE(rawValue(size));
        EXPECT_EQ(describe(progressScene(ProgressPeriod::day, saturdayEvening, size, calendar)),
            describe({{leading({"SATURDAY"}, 10, 1), centre({"77%"}, 3, 2.6), bar(fraction, 10, 0.6),
                          centre({"5H 30M LEFT"}, 14, 0.8)},
                14, 20}));
    }
    // A one-digit percent is padded on the left to keep the medium line 16 characters long.
    const DotScene week
        = progressScene(ProgressPeriod::week, utcInstant(2026, 12, 6, 12), DotSize::medium, calendar);
    ASSERT_FALSE(week.blocks.empty());
    EXPECT_EQ(week.blocks[0], DotBlock(centre({"WEEK 50       7%"}, 16, 1)));
}

TEST(CountdownScene, ShowsDaysUntilTheLastDayThenHoursAndMinutes)
{
    struct Case {
        double secondsLeft;
        std::string big, unit, detail;
    };
    const Case cases[] = {
        {12 * 86400 + 3 * 3600 + 45 * 60, "12", "DAYS", "12D 03H 45M"},
        {86400 + 2 * 3600 + 3 * 60 + 59, "1", "DAY", "1D 02H 03M"},
        {86400, "1", "DAY", "1D 00H 00M"},
        {86399.5, "23:59", "HRS MIN", "0D 23H 59M"},
        {1, "00:00", "HRS MIN", "0D 00H 00M"},
        {0.5, "00:00", "NOW!", "0D 00H 00M"},
        {-3 * 86400, "00:00", "NOW!", "0D 00H 00M"},
        {1e15, "11574074074", "DAYS", "11574074074D 01H 46M"},
    };
    const Instant now = utcInstant(2026, 12, 5, 12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secondsLeft);
        const Instant target = now + c.secondsLeft;
        const int bigCells = std::max(length(c.big), 2);
        EXPECT_EQ(describe(countdownScene("Launch", target, now, DotSize::small, kUtc)),
            describe({{leading({"LAUNCH"}, 9, 1), centre({c.big}, bigCells, 2.2), leading({c.unit}, 9, 1)}, 8,
                16}));
        EXPECT_EQ(describe(countdownScene("Launch", target, now, DotSize::medium, kUtc)),
            describe({{leading({"LAUNCH"}, 16, 1), centre({c.detail}, 11, 2)}, 12, 18}));
        const DotScene large {{leading({"LAUNCH"}, 10, 1), centre({c.big}, bigCells, 2.8),
                                  leading({c.unit}, 10, 1), centre({c.detail}, 14, 0.8)},
            12, 20};
        EXPECT_EQ(describe(countdownScene("Launch", target, now, DotSize::large, kUtc)), describe(large));
        EXPECT_EQ(
            describe(countdownScene("Launch", target, now, DotSize::extraLarge, kUtc)), describe(large));
    }
}

// What the large countdown shows: the big figure, its unit and the detail line.
std::vector<std::string> countdownFigures(const DotScene& large)
{
    std::vector<std::string> figures;
    for (std::size_t block = 1; block < large.blocks.size(); ++block)
        figures.push_back(std::get<TextBlock>(large.blocks[block]).lines.at(0));
    return figures;
}

// The figures are those of the start of the minute, so they hold for the whole minute, as the
// desktop's entry for that minute shows them, and they agree with a clock: 11:41 and 00:19 make 12:00.
TEST(CountdownScene, CountsFromTheStartOfTheMinuteItIsIn)
{
    struct Case {
        const char* what;
        Instant target;
        Instant now;
        std::vector<std::string> figures;
    };
    const Instant noon = utcInstant(2026, 12, 5, 12);
    const auto at = [](int day, int hour, int minute, double second) {
        return utcInstant(2026, 12, day, hour, minute) + second;
    };
    const Case cases[] = {
        {"a minute's start", noon, at(5, 11, 41, 0), {"00:19", "HRS MIN", "0D 00H 19M"}},
        {"18 min 47 s left", noon, at(5, 11, 41, 13), {"00:19", "HRS MIN", "0D 00H 19M"}},
        {"a minute's last instant", noon, at(5, 11, 41, 59.999), {"00:19", "HRS MIN", "0D 00H 19M"}},
        {"the last minute", noon, at(5, 11, 59, 30), {"00:01", "HRS MIN", "0D 00H 01M"}},
        {"the target", noon, noon, {"00:00", "NOW!", "0D 00H 00M"}},
        {"half a second after the target", noon, noon + 0.5, {"00:00", "NOW!", "0D 00H 00M"}},
        {"19 min 17 s to a target at second 30", noon + 30, at(5, 11, 41, 13),
            {"00:19", "HRS MIN", "0D 00H 19M"}},
        {"18 min 45 s to a target at second 30", noon + 30, at(5, 11, 41, 45),
            {"00:19", "HRS MIN", "0D 00H 19M"}},
        {"the minute before a target at second 30", noon + 30, at(5, 11, 59, 50),
            {"00:01", "HRS MIN", "0D 00H 01M"}},
        {"the minute of a target at second 30, before it", noon + 30, at(5, 12, 0, 10),
            {"00:00", "HRS MIN", "0D 00H 00M"}},
        {"the minute of a target at second 30, after it", noon + 30, at(5, 12, 0, 45),
            {"00:00", "HRS MIN", "0D 00H 00M"}}, // not NOW! until the desktop can show it too
        {"the minute after a target at second 30", noon + 30, at(5, 12, 1, 0),
            {"00:00", "NOW!", "0D 00H 00M"}},
        {"a day ahead, late in the minute", noon + 86400, at(5, 12, 0, 59), {"1", "DAY", "1D 00H 00M"}},
        {"less than a day ahead", noon + 86400, at(5, 12, 1, 0), {"23:59", "HRS MIN", "0D 23H 59M"}},
        {"days ahead", noon, at(3, 11, 41, 13), {"2", "DAYS", "2D 00H 19M"}},
        {"a target long past", noon, at(6, 11, 41, 13), {"00:00", "NOW!", "0D 00H 00M"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(
            countdownFigures(countdownScene("Launch", c.target, c.now, DotSize::large, kUtc)), c.figures);
    }
}

TEST(CountdownScene, FitsTheTitleIntoTheLinesOfTheSize)
{
    struct Case {
        const char* title;
        DotSize size;
        std::vector<std::string> lines;
        int cells;
        double weight;
    };
    const Case cases[] = {
        {"", DotSize::small, {""}, 9, 1},
        {"Welcome to the new office", DotSize::small, {"WELCOME TO", "THE NEW", "OFFICE"}, 10, 27.0 / 7},
        {"Merry Christmas and a happy new year", DotSize::medium, {"MERRY CHRISTMAS AND", "A HAPPY NEW YEAR"},
            19, 17.0 / 7},
        {"New Year Party", DotSize::large, {"NEW YEAR", "PARTY"}, 10, 17.0 / 7},
        {"Happy birthday to you", DotSize::extraLarge, {"HAPPY", "BIRTHDAY", "TO YOU"}, 10, 27.0 / 7},
    };
    const Instant now = utcInstant(2026, 12, 5, 12);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.title) + " " + std::string(rawValue(c.size)));
        const DotScene scene = countdownScene(c.title, now + 3600, now, c.size, kUtc);
        const DotScene plain = countdownScene("Launch", now + 3600, now, c.size, kUtc);
        ASSERT_EQ(scene.blocks.size(), plain.blocks.size());
        const TextBlock& title = std::get<TextBlock>(scene.blocks.front());
        EXPECT_EQ(title.lines, c.lines);
        EXPECT_EQ(title.cells, c.cells);
        EXPECT_DOUBLE_EQ(title.weight, c.weight);
        EXPECT_TRUE(std::equal(scene.blocks.begin() + 1, scene.blocks.end(), plain.blocks.begin() + 1))
            << "the rest of the display does not depend on the title";
    }
}

TEST(CountdownScene, TargetsBeyondAnyCalendarStillGiveSaneTexts)
{
    const Instant now = utcInstant(2026, 12, 5, 12);
    const double infinity = std::numeric_limits<double>::infinity();
    const std::regex detailPattern("([0-9]+)D [0-2][0-9]H [0-5][0-9]M");
    for (double far : {1e300, infinity}) {
        SCOPED_TRACE(far);
        const DotScene scene = countdownScene("Far", Instant {far}, now, DotSize::large, kUtc);
        ASSERT_EQ(scene.blocks.size(), 4u);
        const std::string big = std::get<TextBlock>(scene.blocks[1]).lines.at(0);
        const std::string detail = std::get<TextBlock>(scene.blocks[3]).lines.at(0);
        EXPECT_EQ(std::get<TextBlock>(scene.blocks[2]).lines, std::vector<std::string> {"DAYS"});
        std::smatch match;
        ASSERT_TRUE(std::regex_match(detail, match, detailPattern)) << detail;
        EXPECT_EQ(match[1], big) << "whole days";
        EXPECT_GE(big.size(), 7u) << "more than a million days";
    }
    for (double past : {-1e300, -infinity}) {
        SCOPED_TRACE(past);
        EXPECT_EQ(describe(countdownScene("Far", Instant {past}, now, DotSize::large, kUtc)),
            describe({{leading({"FAR"}, 10, 1), centre({"00:00"}, 5, 2.8), leading({"NOW!"}, 10, 1),
                          centre({"0D 00H 00M"}, 14, 0.8)},
                12, 20}));
    }
    const DotScene unknown = countdownScene("Far", Instant {std::nan("")}, now, DotSize::large, kUtc);
    ASSERT_EQ(unknown.blocks.size(), 4u);
    EXPECT_TRUE(std::regex_match(std::get<TextBlock>(unknown.blocks[3]).lines.at(0), detailPattern));
}

TEST(SignScene, PicksTheLineWidthThatGivesTheLargestDots)
{
    using Lines = std::vector<std::string>;
    const std::vector<DotSize> every(kAllDotSizes.begin(), kAllDotSizes.end());
    const Lines yourMessage {" YOUR", "MESSAGE"};
    struct Case {
        std::string message;
        std::vector<DotSize> sizes;
        Lines lines;
        int cells;
    };
    const Case cases[] = {
        {"hi", every, {" HI"}, 4},
        {"Hello, world!", every, {"HELLO,", "WORLD!"}, 6},
        {"", every, yourMessage, 7},
        {" \n\t  \n", every, yourMessage, 7},
        {"\u6771\u4EAC @ _*_ \U0001F600", every, yourMessage, 7}, // nothing the font can draw
        {"THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG", {DotSize::small, DotSize::large},
            {"THE QUICK", "BROWN FOX", "  JUMPS", "OVER THE", "LAZY DOG"}, 9},
        {"the quick brown fox jumps over the lazy dog", {DotSize::medium, DotSize::extraLarge},
            {" THE QUICK", " BROWN FOX", " JUMPS OVER", "THE LAZY DOG"}, 12},
    };
    for (const Case& c : cases) {
        for (DotSize size : c.sizes) {
            SCOPED_TRACE(::testing::PrintToString(c.message) + " " + std::string(rawValue(size)));
            EXPECT_EQ(describe(signScene(c.message, size)), describe({{centre(c.lines, c.cells, 1)}, 8, 16}));
        }
    }
}

// Titles and messages are cut at the display-text bound, between characters, whatever their
// source: a longer one shows exactly as its beginning would.
TEST(DisplayText, LongTitlesAndMessagesShowAsTheirFirstTenThousandCharacters)
{
    EXPECT_EQ(firstCharacters("ABCDEF", 4), "ABCD");
    EXPECT_EQ(firstCharacters("AB", 4), "AB");
    EXPECT_EQ(firstCharacters("\u20AC\u20AC\u20AC", 2), "\u20AC\u20AC"); // three bytes each, kept whole
    EXPECT_EQ(firstCharacters("A\x80\x80"
                              "B\xE2\x82",
                  2),
        "A\x80\x80"
        "B"); // stray continuation bytes ride along
    std::string longText;
    while (longText.size() < 60000)
        longText += "caf\u00E9 launch party ";
    const std::string first = firstCharacters(longText, kMaxDisplayTextCharacters);
    ASSERT_LT(first.size(), longText.size());
    const Instant now = Instant::fromUnixSeconds(1796000000);
    for (const DotSize size : {DotSize::small, DotSize::extraLarge}) {
        EXPECT_EQ(countdownScene(longText, now + 86400 * 3, now, size, kUtc),
            countdownScene(first, now + 86400 * 3, now, size, kUtc));
        EXPECT_EQ(signScene(longText, size), signScene(first, size));
    }
}

} // namespace
} // namespace quillon
