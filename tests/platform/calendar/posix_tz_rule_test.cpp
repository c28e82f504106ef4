// Tests for POSIX TZ string parsing and the offsets and changes such rules produce.
#include "platform/calendar/posix_tz_rule.h"

#include "tests/support/libc_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace quillon {
namespace {

using testing::libcOffset;
using testing::ScopedTZ;
using testing::utc;

using Kind = PosixTzRule::Change::Kind;

PosixTzRule::Change mwd(int month, int week, int weekday, std::int32_t time = 7200)
{
    return {Kind::MonthWeekDay, weekday, week, month, time};
}

TEST(PosixTzRuleTest, ParsesValidStrings)
{
    struct Case {
        std::string text;
        PosixTzRule expected;
    };
    const std::vector<Case> cases = {
        {"EST5EDT,M3.2.0,M11.1.0", {"EST", -18000, true, "EDT", -14400, mwd(3, 2, 0), mwd(11, 1, 0)}},
        {"<-03>3", {"-03", -10800, false, "", 0, {}, {}}},
        {"<+0545>-5:45", {"+0545", 20700, false, "", 0, {}, {}}},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
            {"+1030", 37800, true, "+11", 39600, mwd(10, 1, 0), mwd(4, 1, 0)}},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {"CET", 3600, true, "CEST", 7200, mwd(3, 5, 0), mwd(10, 5, 0, 10800)}},
        {"EST5EDT,0/0,J365/25",
            {"EST", -18000, true, "EDT", -14400, {Kind::DayOfYear, 0, 0, 0, 0},
                {Kind::JulianNoLeap, 365, 0, 0, 90000}}},
        {"EST5EDT", {"EST", -18000, true, "EDT", -14400, mwd(3, 2, 0), mwd(11, 1, 0)}},
        {"AAA+3:25:45BBB-24,J60/-167,365/+167:59:59",
            {"AAA", -12345, true, "BBB", 86400, {Kind::JulianNoLeap, 60, 0, 0, -167 * 3600},
                {Kind::DayOfYear, 365, 0, 0, 167 * 3600 + 59 * 60 + 59}}},
        {"<A-b+9>-24<x1y>24:59:59,J1/0:01,M12.5.6/-0:00:01",
            {"A-b+9", 86400, true, "x1y", -89999, {Kind::JulianNoLeap, 1, 0, 0, 60}, mwd(12, 5, 6, -1)}},
        {"EST5" + std::string(64, 'D'),
            {"EST", -18000, true, std::string(64, 'D'), -14400, mwd(3, 2, 0), mwd(11, 1, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = parsePosixTzRule(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.expected);
    }
}

TEST(PosixTzRuleTest, RejectsMalformedStrings)
{
    const std::vector<std::string> cases = {
        "",
        "EST", // offset required
        "ES5", // name too short
        "<AB>5", // quoted name too short
        "<EST5", // unterminated quote
        "<E_T>5", // character not allowed in a quoted name
        ":America/New_York",
        "EST+",
        "EST25", // offset hours beyond 24
        "EST005", // three-digit offset hours
        "EST5:60",
        "EST5:30:60",
        "EST5:",
        "EST5 ",
        "EST5EDT,M3.2.0", // only one rule
        "EST5EDT,M3.2.0,",
        "EST5EDT,M3.2.0,M11.1.0,",
        "EST5EDT,M13.1.0,M11.1.0",
        "EST5EDT,M0.1.0,M11.1.0",
        "EST5EDT,M3.0.0,M11.1.0",
        "EST5EDT,M3.6.0,M11.1.0",
        "EST5EDT,M3.2.7,M11.1.0",
        "EST5EDT,M3.2,M11.1.0",
        "EST5EDT,J0,J365",
        "EST5EDT,J366,J1",
        "EST5EDT,366,1",
        "EST5EDT,0001,1",
        "EST5EDT,M3.2.0/168,M11.1.0",
        "EST5EDT,M3.2.0/-168,M11.1.0",
        "EST5EDT4EXTRA",
        std::string(65, 'A') + "5", // name too long
        "EST5" + std::string(300, 'D'),
        std::string("EST5\0EDT", 8),
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parsePosixTzRule(text).has_value());
    }
}

// Every offset hour by hour, and every change located to the second, must
// agree with glibc, which evaluates the same strings independently.
TEST(PosixTzRuleTest, AgreesWithGlibcHourByHour)
{
    const std::vector<std::string> rules = {
        "EST5EDT,M3.2.0,M11.1.0",
        "CET-1CEST,M3.5.0,M10.5.0/3",
        "<-04>4<-03>,M9.1.6/24,M4.1.6/24",
        "AEST-10AEDT,M10.1.0,M4.1.0/3",
        "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
        "IST-1GMT0,M10.5.0,M3.5.0/1",
        "NZST-12NZDT,M9.5.0,M4.1.0/3",
        "AAA3BBB,J60/2,300/23",
        "<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
        "<+0530>-5:30",
    };
    for (const std::string& text : rules) {
        const auto rule = parsePosixTzRule(text);
        ASSERT_TRUE(rule.has_value()) << text;
        const ScopedTZ tz(text);
        for (const int year : {2026, 2040, 2100}) {
            SCOPED_TRACE(text + " in " + std::to_string(year));
            int changes = 0;
            long previous = libcOffset(utc(year, 1, 1) - 3600);
            for (std::int64_t t = utc(year, 1, 1); t < utc(year + 1, 1, 1); t += 3600) {
                const long offset = libcOffset(t);
                ASSERT_EQ(rule->offsetAt(t), offset) << "at " << t;
                const auto next = rule->nextTransitionAfter(t - 3600);
                if (offset != previous) {
                    ++changes;
                    ASSERT_TRUE(next.has_value()) << "at " << t;
                    ASSERT_GT(*next, t - 3600);
                    ASSERT_LE(*next, t);
                    EXPECT_EQ(libcOffset(*next - 1), previous);
                    EXPECT_EQ(libcOffset(*next), offset);
                } else if (rule->hasDst) {
                    ASSERT_TRUE(next.has_value());
                    EXPECT_GT(*next, t) << "at " << t;
                } else {
                    EXPECT_FALSE(next.has_value());
                }
                previous = offset;
            }
            EXPECT_EQ(changes, rule->hasDst ? 2 : 0);
        }
    }
}

TEST(PosixTzRuleTest, ChangesThatRollIntoAnotherYear)
{
    // Daylight time ends 20 hours before January 1 and restarts 30 hours
    // after December 31 begins, leaving a 27-hour standard period each year.
    const auto rule = parsePosixTzRule("AAA0BBB,J365/30,J1/-20");
    ASSERT_TRUE(rule.has_value());
    struct Case {
        std::int64_t after;
        std::int64_t expectedNext;
        std::int32_t offsetBefore;
    };
    const std::vector<Case> cases = {
        {utc(2026, 7, 1), utc(2026, 12, 31, 3), 3600},
        {utc(2026, 12, 31, 3), utc(2027, 1, 1, 6), 0},
        {utc(2027, 1, 1, 6) - 1, utc(2027, 1, 1, 6), 0},
        {utc(2027, 1, 1, 6), utc(2027, 12, 31, 3), 3600},
        {utc(2027, 12, 31, 3) - 1, utc(2027, 12, 31, 3), 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        EXPECT_EQ(rule->offsetAt(c.after), c.offsetBefore);
        EXPECT_EQ(rule->nextTransitionAfter(c.after), c.expectedNext);
        EXPECT_NE(rule->offsetAt(c.expectedNext), c.offsetBefore);
    }
}

// No daylight saving, a daylight offset equal to the standard one, and daylight saving all year (its
// end and the next start fall on the same instant): the offset holds and no change is reported.
TEST(PosixTzRuleTest, RulesWhoseOffsetNeverChangesReportNoChange)
{
    const std::pair<const char*, std::int32_t> cases[]
        = {{"<-03>3", -10800}, {"AAA5BBB5,M3.2.0,M11.1.0", -18000}, {"EST5EDT,0/0,J365/25", -14400}};
    for (const auto& [text, offset] : cases) {
        const auto rule = parsePosixTzRule(text);
        ASSERT_TRUE(rule.has_value()) << text;
        for (const int year : {2024, 2026, 2100}) {
            for (const std::int64_t t : {utc(year, 1, 1) - 1, utc(year, 1, 1), utc(year, 1, 1, 5) - 1,
                     utc(year, 1, 1, 5), utc(year, 7, 1), utc(year, 12, 31, 23, 59, 59)}) {
                SCOPED_TRACE(std::string(text) + " at " + std::to_string(t));
                EXPECT_EQ(rule->offsetAt(t), offset);
                EXPECT_FALSE(rule->nextTransitionAfter(t).has_value());
            }
        }
    }
}

// The Gregorian calendar repeats every 400 years, so far-off years must
// behave exactly like 2026 shifted by whole cycles, in either direction.
TEST(PosixTzRuleTest, FarYearsRepeatEveryFourHundredYears)
{
    constexpr std::int64_t kCycle = 146'097LL * 86'400;
    for (const char* text : {"EST5EDT,M3.2.0,M11.1.0", "<-04>4<-03>,M9.1.6/24,M4.1.6/24",
             "IST-1GMT0,M10.5.0,M3.5.0/1", "AAA3BBB,J60/2,300/23"}) {
        const auto rule = parsePosixTzRule(text);
        ASSERT_TRUE(rule.has_value()) << text;
        for (const std::int64_t cycles : {-790LL, -501LL, -5LL, -1LL, 1LL, 250LL, 790LL}) {
            SCOPED_TRACE(std::string(text) + " shifted by cycles: " + std::to_string(cycles));
            const std::int64_t shift = cycles * kCycle;
            for (std::int64_t t = utc(2026, 1, 1); t < utc(2027, 1, 1); t += 6 * 3600 + 7) {
                ASSERT_EQ(rule->offsetAt(t + shift), rule->offsetAt(t)) << "at " << t;
                const auto here = rule->nextTransitionAfter(t);
                const auto there = rule->nextTransitionAfter(t + shift);
                ASSERT_TRUE(here.has_value() && there.has_value());
                ASSERT_EQ(*there - shift, *here) << "at " << t;
            }
        }
    }
}

TEST(PosixTzRuleTest, ExtremeInstantsStayWithinTheRule)
{
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (const char* text : {"EST5EDT,M3.2.0,M11.1.0", "AAA0BBB,J365/167,J1/-167", "EST5EDT,0/0,J365/25",
             "<-04>4<-03>,M9.1.6/24,M4.1.6/24"}) {
        const auto rule = parsePosixTzRule(text);
        ASSERT_TRUE(rule.has_value()) << text;
        for (const std::int64_t t : {kMin, kMin + 1, -kMaxCalendarSeconds - 1, -kMaxCalendarSeconds,
                 kMaxCalendarSeconds - 1, kMaxCalendarSeconds, kMax - 1, kMax}) {
            SCOPED_TRACE(std::string(text) + " at " + std::to_string(t));
            const std::int32_t offset = rule->offsetAt(t);
            EXPECT_TRUE(offset == rule->standardOffset || offset == rule->dstOffset);
            const auto next = rule->nextTransitionAfter(t);
            if (next) {
                EXPECT_GT(*next, t);
                if (*next < kMaxCalendarSeconds) {
                    EXPECT_NE(rule->offsetAt(*next), rule->offsetAt(*next - 1));
                }
            }
        }
        EXPECT_FALSE(rule->nextTransitionAfter(kMax).has_value());
    }
}

} // namespace
} // namespace quillon
