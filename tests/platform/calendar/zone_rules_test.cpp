// Tests for reading TZif data into ZoneRules and for offset, change and wall-clock queries.
#include "platform/calendar/zone_rules.h"

#include "tests/support/libc_time.h"
#include "tests/support/test_zones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quillon {
namespace {

using testing::utc;

constexpr std::int32_t kLowestOffset = -89'999;
constexpr std::int32_t kHighestOffset = 93'599;
const std::string kZoneDir = testing::testZoneFolder() + "/";

std::vector<unsigned char> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------------------
// A small TZif writer, so each rejection can be shown on otherwise good data.

struct LocalTimeType {
    std::int32_t offset = 0;
    std::uint8_t isDst = 0;
    std::uint8_t designation = 0;
};

struct TzifContent {
    char version = '2';
    std::vector<std::int64_t> times;
    std::vector<std::uint8_t> typeIndices;
    std::vector<LocalTimeType> types;
    std::string designations = std::string("LMT\0EST\0EDT\0", 12);
    std::uint32_t leapCount = 0;
    std::uint32_t isstdCount = 0;
    std::string footer; // the bytes after the 64-bit block, newlines included
};

void putBigEndian(std::vector<unsigned char>& out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putBlock(std::vector<unsigned char>& out, const TzifContent& c, int timeSize)
{
    out.insert(out.end(), {'T', 'Z', 'i', 'f'});
    out.push_back(static_cast<unsigned char>(c.version));
    out.insert(out.end(), 15, 0);
    for (const std::size_t count : {std::size_t {0}, std::size_t {c.isstdCount}, std::size_t {c.leapCount},
             c.times.size(), c.types.size(), c.designations.size()})
        putBigEndian(out, count, 4);
    for (const std::int64_t t : c.times)
        putBigEndian(out, static_cast<std::uint64_t>(t), timeSize);
    out.insert(out.end(), c.typeIndices.begin(), c.typeIndices.end());
    for (const LocalTimeType& type : c.types) {
        putBigEndian(out, static_cast<std::uint32_t>(type.offset), 4);
        out.push_back(type.isDst);
        out.push_back(type.designation);
    }
    out.insert(out.end(), c.designations.begin(), c.designations.end());
    for (std::uint32_t i = 0; i < c.leapCount; ++i) {
        putBigEndian(out, static_cast<std::uint64_t>(78796800 + 15'778'800 * std::int64_t {i}), timeSize);
        putBigEndian(out, i + 1, 4);
    }
    out.insert(out.end(), c.isstdCount, 0);
}

std::vector<unsigned char> buildTzif(const TzifContent& c)
{
    std::vector<unsigned char> out;
    putBlock(out, c, 4);
    if (c.version != '\0') {
        putBlock(out, c, 8);
        out.insert(out.end(), c.footer.begin(), c.footer.end());
    }
    return out;
}

// New York-like data: LMT, then EST from 1920 (within 32-bit range), EDT in summer 2010.
TzifContent newYorkLike()
{
    TzifContent c;
    c.times = {utc(1920, 1, 1), utc(2010, 3, 14, 7), utc(2010, 11, 7, 6)};
    c.typeIndices = {1, 2, 1};
    c.types = {{-17762, 0, 0}, {-18000, 0, 4}, {-14400, 1, 8}};
    c.footer = "\nEST5EDT,M3.2.0,M11.1.0\n";
    return c;
}

// Properties every accepted zone must have, whatever its data.
void expectSaneAt(const ZoneRules& rules, std::int64_t t)
{
    const std::int32_t offset = rules.offsetAt(t);
    EXPECT_GE(offset, kLowestOffset);
    EXPECT_LE(offset, kHighestOffset);
    if (const auto next = rules.nextTransitionAfter(t)) {
        EXPECT_GT(*next, t);
    }
    (void)rules.resolveLocal(t);
}

// ---------------------------------------------------------------------------

TEST(ZoneRulesTest, ResolvesWallClockReadings)
{
    struct Case {
        const char* zone;
        std::int64_t local;
        std::int64_t expected;
        const char* what;
    };
    // Wall-clock readings are written with utc(): they use the same scale, just without a zone.
    const std::vector<Case> cases = {
        {"America/New_York", utc(2026, 3, 8, 2), utc(2026, 3, 8, 7), "start of the spring gap"},
        {"America/New_York", utc(2026, 3, 8, 3), utc(2026, 3, 8, 7), "end of the spring gap"},
        {"America/New_York", utc(2026, 3, 8, 1, 59), utc(2026, 3, 8, 6, 59), "before the spring gap"},
        {"America/New_York", utc(2026, 11, 1, 1), utc(2026, 11, 1, 5), "start of the repeated hour"},
        {"America/New_York", utc(2026, 11, 1, 2), utc(2026, 11, 1, 7), "after the repeated hour"},
        {"America/New_York", utc(2040, 3, 11, 2, 15), utc(2040, 3, 11, 7), "footer-era spring gap"},
        {"America/New_York", utc(2040, 11, 4, 1, 15), utc(2040, 11, 4, 5, 15), "footer-era repeat"},
        {"Australia/Sydney", utc(2026, 10, 4, 2, 30), utc(2026, 10, 3, 16), "southern spring gap"},
        {"Europe/Dublin", utc(2026, 3, 29, 1, 30), utc(2026, 3, 29, 1), "negative-save gap"},
        {"Europe/Dublin", utc(2026, 10, 25, 1, 30), utc(2026, 10, 25, 0, 30), "negative-save repeat"},
        {"America/Santiago", utc(2026, 9, 6, 0, 30), utc(2026, 9, 6, 4), "midnight gap"},
        {"America/Santiago", utc(2026, 4, 4, 23, 30), utc(2026, 4, 5, 2, 30), "midnight repeat"},
        {"Asia/Kolkata", utc(2100, 2, 28, 23, 59), utc(2100, 2, 28, 18, 29), "fixed half hour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + ": " + c.what);
        const auto rules = ZoneRules::loadFile(kZoneDir + c.zone);
        ASSERT_TRUE(rules.has_value());
        EXPECT_EQ(rules->resolveLocal(c.local), c.expected);
    }
}

TEST(ZoneRulesTest, InterpretsTransitionTables)
{
    struct Query {
        std::int64_t at;
        std::int32_t offset;
        std::optional<std::int64_t> next;
    };
    struct Case {
        const char* what;
        void (*change)(TzifContent&);
        std::vector<Query> queries;
    };
    const std::optional<std::int64_t> none;
    const std::vector<Case> cases = {
        {"type 0 first, footer after the last transition", [](TzifContent&) {},
            {{std::numeric_limits<std::int64_t>::min(), -17762, utc(1920, 1, 1)},
                {utc(1920, 1, 1) - 1, -17762, utc(1920, 1, 1)},
                {utc(1920, 1, 1), -18000, utc(2010, 3, 14, 7)},
                {utc(2010, 6, 1), -14400, utc(2010, 11, 7, 6)},
                {utc(2010, 11, 7, 6), -18000, utc(2011, 3, 13, 7)},
                {utc(2011, 6, 1), -14400, utc(2011, 11, 6, 6)}}},
        {"version 1 keeps the last type", [](TzifContent& c) { c.version = '\0'; },
            {{utc(2010, 6, 1), -14400, utc(2010, 11, 7, 6)}, {utc(2010, 11, 7, 6), -18000, none},
                {utc(2040, 7, 1), -18000, none}}},
        {"absent footer keeps the last type", [](TzifContent& c) { c.footer.clear(); },
            {{utc(2010, 11, 7, 6), -18000, none}, {utc(2040, 7, 1), -18000, none}}},
        {"empty footer keeps the last type",
            [](TzifContent& c) {
                c.version = '3';
                c.footer = "\n\n";
            },
            {{utc(2010, 11, 7, 6), -18000, none}, {utc(2040, 7, 1), -18000, none}}},
        {"leap-second records and indicators are read past",
            [](TzifContent& c) {
                c.leapCount = 3;
                c.isstdCount = 3;
            },
            {{utc(2010, 6, 1), -14400, utc(2010, 11, 7, 6)}, {utc(2050, 6, 1), -14400, utc(2050, 11, 6, 6)}}},
        {"leap-second records in version 1",
            [](TzifContent& c) {
                c.version = '\0';
                c.leapCount = 2;
            },
            {{utc(2010, 6, 1), -14400, utc(2010, 11, 7, 6)}, {utc(2050, 6, 1), -18000, none}}},
        {"changes that keep the offset are skipped",
            [](TzifContent& c) {
                // A designation-only change in 1950 and a second daylight type in June.
                c.types.push_back({-18000, 0, 0});
                c.types.push_back({-14400, 1, 4});
                c.times = {utc(1920, 1, 1), utc(1950, 1, 1), utc(2010, 3, 14, 7), utc(2010, 6, 1),
                    utc(2010, 11, 7, 6)};
                c.typeIndices = {1, 3, 2, 4, 1};
            },
            {{utc(1930, 1, 1), -18000, utc(2010, 3, 14, 7)},
                {utc(2010, 3, 14, 7), -14400, utc(2010, 11, 7, 6)}}},
        {"the footer outranks the last type at the last transition",
            [](TzifContent& c) {
                c.times = {utc(1920, 1, 1), utc(2010, 3, 14, 7), utc(2010, 6, 1)};
            },
            {{utc(2010, 4, 1), -14400, utc(2010, 11, 7, 6)}, {utc(2010, 6, 1), -14400, utc(2010, 11, 7, 6)}}},
    };
    for (const Case& c : cases) {
        TzifContent content = newYorkLike();
        c.change(content);
        const auto rules = ZoneRules::fromTzif(buildTzif(content));
        ASSERT_TRUE(rules.has_value()) << c.what;
        for (const Query& q : c.queries) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(q.at));
            EXPECT_EQ(rules->offsetAt(q.at), q.offset);
            EXPECT_EQ(rules->nextTransitionAfter(q.at), q.next);
        }
    }
}

TEST(ZoneRulesTest, RejectsMalformedTzif)
{
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
    };
    const auto with = [](auto change) {
        TzifContent content = newYorkLike();
        change(content);
        return buildTzif(content);
    };
    const auto patched = [](std::size_t position, unsigned char value) {
        auto bytes = buildTzif(newYorkLike());
        bytes.at(position) = value;
        return bytes;
    };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"bad magic", patched(0, 't')},
        {"version 1 byte", with([](TzifContent& c) { c.version = '1'; })},
        {"no types", with([](TzifContent& c) {
             c.types.clear();
             c.times.clear();
             c.typeIndices.clear();
         })},
        {"type index out of range", with([](TzifContent& c) { c.typeIndices[1] = 3; })},
        {"repeated transition time", with([](TzifContent& c) { c.times[2] = c.times[1]; })},
        {"offset out of range", with([](TzifContent& c) { c.types[0].offset = 93'600; })},
        {"lowest 32-bit offset",
            with([](TzifContent& c) { c.types[0].offset = std::numeric_limits<std::int32_t>::min(); })},
        {"dst flag not 0 or 1", with([](TzifContent& c) { c.types[2].isDst = 2; })},
        {"designation index out of range", with([](TzifContent& c) { c.types[1].designation = 12; })},
        {"indicator count not matching types", with([](TzifContent& c) { c.isstdCount = 2; })},
        {"unparsable footer", with([](TzifContent& c) { c.footer = "\nEST5EDT,M3.2.0\n"; })},
        {"unterminated footer", with([](TzifContent& c) { c.footer = "\nEST5EDT,M3.2.0,M11.1.0"; })},
        {"footer without leading newline", with([](TzifContent& c) { c.footer = "EST5\n"; })},
        {"time count beyond the data", patched(32, 0x10)},
        {"second header magic", patched(44 + 3 * 4 + 3 + 3 * 6 + 12, 'X')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ZoneRules::fromTzif(c.bytes).has_value());
    }
}

TEST(ZoneRulesTest, AcceptsPosixStringsAndFixedOffsets)
{
    const auto sydney = ZoneRules::fromPosixString("AEST-10AEDT,M10.1.0,M4.1.0/3");
    ASSERT_TRUE(sydney.has_value());
    EXPECT_EQ(sydney->offsetAt(utc(2026, 1, 1)), 39600);
    EXPECT_EQ(sydney->nextTransitionAfter(utc(2026, 1, 1)), utc(2026, 4, 4, 16));
    EXPECT_FALSE(ZoneRules::fromPosixString("AEST-10AEDT,M10.1.0").has_value());

    for (const std::int32_t offset : {0, 19800, -36000, std::numeric_limits<std::int32_t>::min(),
             std::numeric_limits<std::int32_t>::max()}) {
        SCOPED_TRACE(offset);
        const ZoneRules fixed = ZoneRules::fixed(offset);
        EXPECT_EQ(fixed.offsetAt(utc(2026, 1, 1)), offset);
        EXPECT_FALSE(fixed.nextTransitionAfter(utc(2026, 1, 1)).has_value());
        EXPECT_EQ(fixed.resolveLocal(utc(2026, 1, 1, 12)), utc(2026, 1, 1, 12) - offset);
    }
}

TEST(ZoneRulesTest, LoadsReadableFilesWholeAndNoPrefixButTheOneBeforeTheFooter)
{
    EXPECT_FALSE(ZoneRules::loadFile("/nonexistent/zone").has_value());
    EXPECT_FALSE(ZoneRules::loadFile(testing::testZoneFolder()).has_value()); // a directory

    const std::string path = kZoneDir + "America/New_York";
    const auto bytes = readBytes(path);
    const auto loaded = ZoneRules::loadFile(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded, ZoneRules::fromTzif(bytes));
    const std::size_t footerStart = bytes.size() - std::string("\nEST5EDT,M3.2.0,M11.1.0\n").size();
    std::vector<std::size_t> accepted;
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        const std::vector<unsigned char> prefix(
            bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        if (const auto rules = ZoneRules::fromTzif(prefix)) {
            accepted.push_back(length);
            expectSaneAt(*rules, utc(2030, 1, 1));
        }
    }
    // Only the whole file and the file cut exactly before its footer are valid.
    EXPECT_EQ(accepted, (std::vector<std::size_t> {footerStart, bytes.size()}));
}

TEST(ZoneRulesTest, CorruptedDataNeverCrashes)
{
    const std::string path = kZoneDir + "Europe/London";
    const auto original = readBytes(path);
    std::mt19937 random(20260101);
    const std::vector<std::int64_t> probes = {std::numeric_limits<std::int64_t>::min(), -kMaxCalendarSeconds,
        0, utc(2026, 6, 1), utc(2100, 1, 1), kMaxCalendarSeconds, std::numeric_limits<std::int64_t>::max()};
    const auto check = [&](const std::vector<unsigned char>& bytes) {
        if (const auto rules = ZoneRules::fromTzif(bytes))
            for (const std::int64_t t : probes)
                expectSaneAt(*rules, t);
    };

    // Count fields in both headers set to hostile values.
    const std::string_view magic = "TZif";
    const auto secondHeader = static_cast<std::size_t>(
        std::search(original.begin() + 1, original.end(), magic.begin(), magic.end()) - original.begin());
    for (const std::size_t header : {std::size_t {0}, secondHeader}) {
        for (std::size_t field = header + 20; field < header + 44 && field + 4 <= original.size();
             field += 4) {
            for (const std::uint32_t value : {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu,
                     static_cast<std::uint32_t>(original.size())}) {
                SCOPED_TRACE("count at byte " + std::to_string(field) + " = " + std::to_string(value));
                auto bytes = original;
                for (std::size_t i = 0; i < 4; ++i)
                    bytes[field + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
                check(bytes);
            }
        }
    }

    for (int round = 0; round < 3000; ++round) {
        auto bytes = original;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        check(bytes);
    }
    for (int round = 0; round < 300; ++round) {
        std::vector<unsigned char> bytes(random() % 4096);
        for (auto& b : bytes)
            b = static_cast<unsigned char>(random());
        if (round % 2 == 0 && bytes.size() >= 5)
            bytes[0] = 'T', bytes[1] = 'Z', bytes[2] = 'i', bytes[3] = 'f', bytes[4] = '2';
        check(bytes);
    }
}

TEST(ZoneRulesTest, ExtremeInstantsDoNotOverflow)
{
    std::vector<std::pair<std::string, ZoneRules>> zones = {{"fixed", ZoneRules::fixed(-36000)}};
    for (const char* zone : {"America/New_York", "Australia/Sydney", "Europe/Dublin"})
        zones.emplace_back(zone, ZoneRules::loadFile(kZoneDir + zone).value());
    zones.emplace_back("posix", ZoneRules::fromPosixString("<-04>4<-03>,M9.1.6/24,M4.1.6/24").value());
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (const auto& [name, rules] : zones) {
        for (const std::int64_t t :
            {kMin, kMin + 1, -kMaxCalendarSeconds, kMaxCalendarSeconds, kMax - 1, kMax}) {
            SCOPED_TRACE(name + " at " + std::to_string(t));
            expectSaneAt(rules, t);
        }
        // Far inside the supported range, wall-clock readings still round-trip.
        for (const std::int64_t local :
            {-kMaxCalendarSeconds + 86'400 * 3, kMaxCalendarSeconds - 86'400 * 3}) {
            SCOPED_TRACE(name + " reading " + std::to_string(local));
            const std::int64_t resolved = rules.resolveLocal(local);
            EXPECT_EQ(resolved + rules.offsetAt(resolved), local);
        }
    }
}

} // namespace
} // namespace quillon
