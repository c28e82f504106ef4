// Which of two version strings an update feed treats as the newer one.
#include "updater/version_order.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace quillon {
namespace {

TEST(VersionOrder, OrdersReleasesPreReleasesAndLongBuildNumbers)
{
    // Oldest first. Every pair is checked both ways, so an order that only holds in one direction,
    // or only between neighbours, shows up.
    const char* const ascending[] = {
        "",
        "b1", // a suffix alone: older than any release, newer than no version at all
        "0.9",
        "1.0a",
        "1.0b",
        "1.0b1",
        "1.0b2",
        "1.0b10",
        "1.0rc1",
        "1.0",
        "1.0.0.1",
        "1.0.1",
        "1.9",
        "1.10",
        "1.18446744073709551615",
        "1.18446744073709551616", // past every integer type
        "2",
        "10",
    };
    for (std::size_t older = 0; older < std::size(ascending); ++older) {
        for (std::size_t newer = older + 1; newer < std::size(ascending); ++newer) {
            SCOPED_TRACE(std::string("\"") + ascending[older] + "\" before \"" + ascending[newer] + "\"");
            EXPECT_LT(compareVersions(ascending[older], ascending[newer]), 0);
            EXPECT_GT(compareVersions(ascending[newer], ascending[older]), 0);
        }
    }
}

TEST(VersionOrder, TreatsSpellingsOfTheSameVersionAsEqual)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"1.0b1", "1.0b1"},
        {"00000000000000000000000000000002.0", "2.0"},
    };
    for (const auto& [a, b] : cases) {
        SCOPED_TRACE(std::string(a) + " / " + b);
        EXPECT_EQ(compareVersions(a, b), 0);
        EXPECT_EQ(compareVersions(b, a), 0);
    }
}

} // namespace
} // namespace quillon
