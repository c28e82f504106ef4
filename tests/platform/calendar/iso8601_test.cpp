// Reading and writing ISO 8601 date-times.
#include "platform/calendar/iso8601.h"

#include "tests/support/libc_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

TEST(Iso8601, ReadsOffsetsZuluAndFractions)
{
    const double noonUtc = static_cast<double>(testing::utc(2026, 12, 5, 12, 0, 0));
    const std::pair<const char*, double> cases[] = {
        {"2026-12-05T12:00:00Z", noonUtc},
        {"2026-12-05t12:00:00z", noonUtc},
        {"2026-12-05 12:00:00Z", noonUtc},
        {"2026-12-05T12:00Z", noonUtc},
        {"2026-12-05T13:00:00+01:00", noonUtc},
        {"2026-12-05T06:30:00-0530", noonUtc},
        {"2026-12-06T00:00:00+12", noonUtc},
        {"2026-12-05T12:00:00.25Z", noonUtc + 0.25},
        {"2024-02-29T00:00:00Z", static_cast<double>(testing::utc(2024, 2, 29))},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const auto instant = parseIso8601(text);
        ASSERT_TRUE(instant);
        EXPECT_DOUBLE_EQ(instant->unixSeconds(), expected);
    }
}

TEST(Iso8601, RejectsAnythingIncompleteOrOutOfRange)
{
    for (const char* text : {"", "2026-12-05", "2026-12-05T12:00:00", "2026-12-05T12:00:00+1",
             "2025-02-29T00:00:00Z", "2026-13-01T00:00:00Z", "2026-12-05T24:00:00Z", "2026-12-05T12:60:00Z",
             "2026-12-05T12:00:60Z", "2026-12-05T12:00:00+24:00", "2026-12-05T12:00:00Z trailing",
             "26-12-05T12:00:00Z", "2026-12-05T12:00:00.Z", "tomorrow"}) {
        EXPECT_EQ(parseIso8601(text), std::nullopt) << text;
    }
}

TEST(Iso8601, WritesUtcAndReadsItBack)
{
    const Instant instant
        = Instant::fromUnixSeconds(static_cast<double>(testing::utc(1999, 12, 31, 23, 59, 58)));
    EXPECT_EQ(formatIso8601(instant), "1999-12-31T23:59:58Z");
    EXPECT_EQ(formatIso8601(instant + 0.5), "1999-12-31T23:59:58.500Z");
    EXPECT_EQ(parseIso8601(formatIso8601(instant + 0.5)), instant + 0.5);
    EXPECT_FALSE(formatIso8601(Instant {std::nan("")}).empty());
}

} // namespace
} // namespace quillon
