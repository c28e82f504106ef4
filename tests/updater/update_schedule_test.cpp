// When the program checks for updates by itself, with the clock in the test's hands.
#include "updater/update_schedule.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

constexpr Instant kNow = Instant::fromUnixSeconds(1796481000);
constexpr double kHour = 3600;

TEST(UpdateSchedule, TheFirstStartIsQuietTheSecondAsksThenChecksAreDaily)
{
    EXPECT_EQ(actionAtStart({1, std::nullopt, std::nullopt}, kNow), StartAction::none);
    EXPECT_EQ(actionAtStart({1, true, std::nullopt}, kNow), StartAction::none); // not even when allowed
    EXPECT_EQ(actionAtStart({2, std::nullopt, std::nullopt}, kNow), StartAction::askAboutAutomaticChecks);
    EXPECT_EQ(actionAtStart({9, std::nullopt, kNow}, kNow), StartAction::askAboutAutomaticChecks);
    EXPECT_EQ(actionAtStart({2, false, std::nullopt}, kNow), StartAction::none);
    EXPECT_EQ(actionAtStart({2, true, std::nullopt}, kNow), StartAction::check);
    EXPECT_EQ(actionAtStart({5, true, kNow + -23 * kHour}, kNow), StartAction::none);
    EXPECT_EQ(actionAtStart({5, true, kNow + -24 * kHour}, kNow), StartAction::check);
    EXPECT_EQ(actionAtStart({5, false, kNow + -240 * kHour}, kNow), StartAction::none);
}

TEST(UpdateSchedule, TheNextCheckIsADayAfterTheLastAndNeverWhileOff)
{
    EXPECT_EQ(nextAutomaticCheck({3, true, kNow + -2 * kHour}, kNow), kNow + 22 * kHour);
    EXPECT_EQ(nextAutomaticCheck({3, true, kNow + -50 * kHour}, kNow), kNow);
    EXPECT_EQ(nextAutomaticCheck({3, true, std::nullopt}, kNow), kNow);
    // The clock was set back past the last check: due now rather than in years.
    EXPECT_EQ(nextAutomaticCheck({3, true, kNow + 3000 * kHour}, kNow), kNow);
    EXPECT_EQ(nextAutomaticCheck({3, false, kNow}, kNow), std::nullopt);
    EXPECT_EQ(nextAutomaticCheck({3, std::nullopt, kNow}, kNow), std::nullopt);
}

} // namespace
} // namespace quillon
