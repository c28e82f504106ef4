// Looking zones up by identifier and finding the machine's zone.
#include "platform/calendar/time_zone.h"

#include "tests/support/libc_time.h"
#include "tests/support/test_zones.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quillon {
namespace {

const Instant kJuly2026 = Instant::fromUnixSeconds(1783944000); // 2026-07-13T12:00:00Z
const Instant kJanuary2026 = Instant::fromUnixSeconds(1768305600); // 2026-01-13T12:00:00Z

using testing::ScopedTZ;

TEST(TimeZone, KnownIdentifiersResolveAndOthersAreUnknown)
{
    const auto tokyo = TimeZone::named("Asia/Tokyo");
    ASSERT_TRUE(tokyo);
    EXPECT_EQ(tokyo->identifier(), "Asia/Tokyo");
    EXPECT_EQ(tokyo->offsetSeconds(kJuly2026), 9 * 3600);

    for (const char* unknown : {"Mars/Olympus_Mons", "", "asia/tokyo", "../../../etc/passwd",
             "/etc/localtime", "Asia//Tokyo", "zone.tab", "tzdata.zi", "Asia"}) {
        EXPECT_EQ(TimeZone::named(unknown), std::nullopt) << unknown;
    }
    EXPECT_EQ(TimeZone::utc().offsetSeconds(kJuly2026), 0);
}

TEST(TimeZone, MachineZoneComesFromTZInItsThreeForms)
{
    struct Case {
        const char* tz;
        const char* identifier;
        int januaryOffset;
        int julyOffset;
    };
    const std::string sydneyPath = testing::testZoneFolder() + "/Australia/Sydney";
    const Case cases[] = {
        {"Europe/Paris", "Europe/Paris", 3600, 7200},
        {":America/New_York", "America/New_York", -5 * 3600, -4 * 3600},
        {sydneyPath.c_str(), "Australia/Sydney", 11 * 3600, 10 * 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CEST,M3.5.0,M10.5.0/3", 3600, 7200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tz);
        ScopedTZ tz(c.tz);
        const TimeZone zone = TimeZone::current();
        EXPECT_EQ(zone.identifier(), c.identifier);
        EXPECT_EQ(zone.offsetSeconds(kJanuary2026), c.januaryOffset);
        EXPECT_EQ(zone.offsetSeconds(kJuly2026), c.julyOffset);
        EXPECT_EQ(TimeZone::current(), zone) << "asking twice gives the same zone";
    }
}

TEST(TimeZone, WithoutUsableTZTheMachineZoneIsEtcLocaltime)
{
    std::string expected;
    {
        ScopedTZ tz(nullptr);
        expected = TimeZone::current().identifier();
    }
    EXPECT_FALSE(expected.empty());
    for (const char* unusable : {"", "Nowhere/Special", ":"}) {
        ScopedTZ tz(unusable);
        EXPECT_EQ(TimeZone::current().identifier(), expected) << unusable;
    }
}

TEST(TimeZone, ThreadsLookUpZonesAtTheSameTime)
{
    const char* identifiers[] = {"Europe/London", "Asia/Kolkata", "America/Santiago", "Pacific/Auckland"};
    std::vector<int> offsets(16);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < offsets.size(); ++index) {
        threads.emplace_back([&, index] {
            const auto zone = TimeZone::named(identifiers[index % 4]);
            offsets[index] = zone ? zone->offsetSeconds(kJuly2026) : -1;
        });
    }
    for (auto& thread : threads)
        thread.join();
    const int expected[] = {3600, 19800, -4 * 3600, 12 * 3600};
    for (std::size_t index = 0; index < offsets.size(); ++index)
        EXPECT_EQ(offsets[index], expected[index % 4]) << identifiers[index % 4];
}

} // namespace
} // namespace quillon
