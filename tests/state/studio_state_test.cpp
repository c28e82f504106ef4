// The settings record: its defaults, its JSON in both directions, and what of it the widgets show.
#include "state/studio_state.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillon {
namespace {

using namespace std::string_literals;

const Instant kNow = testing::utcInstant(2026, 12, 5, 12);

StudioState defaults()
{
    return StudioState::makeDefault(kNow, testing::calendarIn("UTC"));
}

std::optional<StudioState> decode(std::string_view json)
{
    return decodeStudioState(json, kNow, testing::calendarIn("UTC"));
}

TEST(StudioStateDefaults, CountDownToTheStartOfTheYearAfterTheCurrentOne)
{
    for (const Instant now :
        {testing::utcInstant(2026, 1, 1), testing::utcInstant(2026, 12, 31, 23, 59, 59)}) {
        SCOPED_TRACE(now.unixSeconds());
        EXPECT_EQ(
            StudioState::makeDefault(now, testing::calendarIn("UTC")).countdownDate, Instant {820454400});
    }
}

TEST(StudioStateJSON, EncodesTheTenKeysCompactlyInDeclarationOrderWithSizesAsAFlatArray)
{
    StudioState state = defaults();
    state.sizes = {{DotWidgetKind::sign, DotSize::extraLarge}};
    state.countdownDate = Instant {0.5};
    EXPECT_EQ(encodeJSON(state),
        R"({"kind":"worldBoard","sizes":["sign","extraLarge"],"theme":"midnight","use24h":true,)"
        R"("boardCities":["los-angeles","new-york","london","dubai","tokyo"],"clockCity":"local",)"
        R"("period":"year","countdownTitle":"New Year","countdownDate":0.5,"signText":"Hello, world!"})");
}

TEST(StudioStateJSON, DecodingFallsBackFieldByFieldToTheDefaults)
{
    const auto unchanged = [](StudioState&) {};
    const struct {
        std::string json;
        std::function<void(StudioState&)> expect;
    } cases[] = {
        {"{}", unchanged},
        {R"({"kind":"Sign","theme":"Sky","period":"week"})",
            [](StudioState& s) { s.period = ProgressPeriod::week; }},
        {R"({"sizes":{"clock":"large"}})", unchanged},
        {R"({"sizes":["clock"]})", unchanged},
        {R"({"sizes":["clock","large"]})",
            [](StudioState& s) {
                s.sizes = {{DotWidgetKind::clock, DotSize::large}};
            }},
        {R"({"sizes":["large","clock"]})", unchanged},
        {R"({"sizes":["clock","large","sign","huge"]})", unchanged},
        {R"({"use24h":null})", unchanged},
        {R"({"use24h":"yes"})", unchanged},
        {R"({"use24h":false})", [](StudioState& s) { s.use24h = false; }},
        {R"({"boardCities":[]})", [](StudioState& s) { s.boardCities.clear(); }},
        {R"({"boardCities":["tokyo",3]})", unchanged},
        {R"({"countdownDate":"2027-01-01T00:00:00Z"})", unchanged},
        {R"({"countdownDate":0})", [](StudioState& s) { s.countdownDate = testing::utcInstant(2001, 1, 1); }},
        {R"({"clockCity":"","countdownTitle":"","signText":""})",
            [](StudioState& s) { s.clockCity = s.countdownTitle = s.signText = ""; }},
        {R"({"clockCity":7,"countdownTitle":null,"signText":["x"]})", unchanged},
        {" {\n  \"colour\" : \"red\",\n  \"signText\" : \"hi\"\n}\n",
            [](StudioState& s) { s.signText = "hi"; }},
        // Brackets inside a string, behind an escaped quote, are text and not nesting.
        {R"({"signText":"\")" + std::string(100, '[') + R"("})",
            [](StudioState& s) { s.signText = "\"" + std::string(100, '['); }},
        {"\xEF\xBB\xBF{\"signText\":\"after a byte order mark\"}",
            [](StudioState& s) { s.signText = "after a byte order mark"; }},
        {R"({"\u0073ignText":"escaped key","theme":"sky","theme":"amber"})",
            [](StudioState& s) {
                s.signText = "escaped key";
                s.theme = ThemeID::amber;
            }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.substr(0, 80));
        StudioState expected = defaults();
        c.expect(expected);
        const std::optional<StudioState> decoded = decode(c.json);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, expected) << encodeJSON(*decoded);
    }
}

TEST(StudioStateJSON, ABadValueFallsBackAloneAndTheOtherFieldsAreKept)
{
    const std::string deep = std::string(70, '[') + std::string(70, ']');
    const struct {
        std::string json;
        std::function<void(StudioState&)> expect;
    } cases[] = {
        {R"({"countdownDate":1e400,"theme":"sky"})", [](StudioState&) {}},
        {R"({"theme":"sky","signText":"\ud800"})", [](StudioState&) {}},
        {R"({"theme":"sky","signText":"a\udc00b"})", [](StudioState&) {}},
        {"{\"theme\":\"sky\",\"countdownTitle\":\"caf\xE9\"}", [](StudioState&) {}},
        {R"({"theme":"sky","deep":)" + deep + "}", [](StudioState&) {}},
        {R"({"theme":"sky","signText":)" + deep + R"(,"use24h":false})",
            [](StudioState& s) { s.use24h = false; }},
        {R"({"later":{"a":[1,2,]},"theme":"sky"})", [](StudioState&) {}},
        {R"({"theme":"sky","clockCity":"tokyo","countdownDate":1e999999})",
            [](StudioState& s) { s.clockCity = "tokyo"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.substr(0, 80));
        StudioState expected = defaults();
        expected.theme = ThemeID::sky;
        c.expect(expected);
        const std::optional<StudioState> decoded = decode(c.json);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, expected) << encodeJSON(*decoded);
    }
}

TEST(StudioStateJSON, ADecodedRecordKeepsTheFirstBoardCitiesAndTheFirstCharactersOfEachTextWithinTheBounds)
{
    std::vector<std::string> manyCities;
    for (std::size_t index = 0; index < kMaxBoardCities + 6; ++index)
        manyCities.push_back("city-" + std::to_string(index));
    const std::vector<std::string> firstCities(
        manyCities.begin(), manyCities.begin() + static_cast<std::ptrdiff_t>(kMaxBoardCities));
    const std::string atLimit(kMaxRecordTextCharacters, 'x');
    std::string fireworks;
    for (std::size_t index = 0; index < kMaxRecordTextCharacters; ++index)
        fireworks += "\U0001F386";

    const struct {
        const char* name;
        std::function<void(StudioState&)> stored;
        std::function<void(StudioState&)> decoded;
    } cases[] = {
        {"more board cities than the board could hold", [&](StudioState& s) { s.boardCities = manyCities; },
            [&](StudioState& s) { s.boardCities = firstCities; }},
        {"board cities at the bound", [&](StudioState& s) { s.boardCities = firstCities; },
            [&](StudioState& s) { s.boardCities = firstCities; }},
        {"a title one character too long", [&](StudioState& s) { s.countdownTitle = atLimit + "y"; },
            [&](StudioState& s) { s.countdownTitle = atLimit; }},
        // Counted in characters: the cut falls between two three-byte characters, not inside one.
        {"a cut between multi-byte characters",
            [](StudioState& s) {
                s.signText = std::string(kMaxRecordTextCharacters - 1, 'a') + "\u20AC\u20AC";
            },
            [](StudioState& s) { s.signText = std::string(kMaxRecordTextCharacters - 1, 'a') + "\u20AC"; }},
        {"four-byte characters at the bound", [&](StudioState& s) { s.signText = fireworks; },
            [&](StudioState& s) { s.signText = fireworks; }},
        {"the other texts",
            [&](StudioState& s) { s.clockCity = s.boardCities[0] = s.signText = atLimit + "zz"; },
            [&](StudioState& s) { s.clockCity = s.boardCities[0] = s.signText = atLimit; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudioState stored = defaults();
        c.stored(stored);
        StudioState expected = defaults();
        c.decoded(expected);
        const std::optional<StudioState> decoded = decode(encodeJSON(stored));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, expected);
    }
}

TEST(StudioStateJSON, TextThatIsNotOneJSONObjectDecodesToNothing)
{
    const std::string cases[] = {"[]", R"([{"kind":"clock"}])", "kind: clock", "", "null", R"("{}")",
        R"({"kind":"clock")", std::string(100000, '[') + std::string(100000, ']'), std::string(100000, '{'),
        R"({"theme":"sky","signText":"open)", R"({"theme":"sky","deep":[[[]]})", R"({"theme":"sky",})",
        R"({"theme":})", R"({"theme" "sky"})", R"({"theme":"sky" "use24h":true})", R"({theme:"sky"})",
        R"({"theme":"sky"}{})", R"({"theme":"sky"}])"};
    for (const std::string& json : cases) {
        SCOPED_TRACE(json.substr(0, 80));
        EXPECT_FALSE(decode(json).has_value());
    }
}

TEST(StudioStateJSON, EncodingThenDecodingGivesAnEqualRecord)
{
    const struct {
        const char* name;
        std::function<void(StudioState&)> change;
    } cases[] = {
        {"every field set",
            [](StudioState& s) {
                s = {DotWidgetKind::countdown,
                    {{DotWidgetKind::worldBoard, DotSize::small}, {DotWidgetKind::sign, DotSize::extraLarge}},
                    ThemeID::phosphor, false, {"tokyo", "local"}, "london", ProgressPeriod::week, "Année 🎆",
                    Instant {812345678.123456789}, "東京 · Zürich"};
            }},
        {"a date that needs every digit", [](StudioState& s) { s.countdownDate = Instant {0.1 + 0.2}; }},
        {"characters JSON escapes", [](StudioState& s) { s.signText = "\"quoted\" \\ \n\t\0end"s; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudioState state = defaults();
        c.change(state);
        const std::optional<StudioState> decoded = decode(encodeJSON(state));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, state) << encodeJSON(*decoded);
    }
}

TEST(StudioStateJSON, ARecordThatJSONCannotHoldEncodesToNothing)
{
    const struct {
        const char* name;
        std::function<void(StudioState&)> change;
    } cases[] = {
        {"a date that is not a number", [](StudioState& s) { s.countdownDate = Instant {std::nan("")}; }},
        {"an infinite date", [](StudioState& s) { s.countdownDate = Instant {HUGE_VAL}; }},
        {"a date infinitely far back", [](StudioState& s) { s.countdownDate = Instant {-HUGE_VAL}; }},
        {"a sign text with a stray byte", [](StudioState& s) { s.signText = "caf\xE9"; }},
        {"a title cut inside a character", [](StudioState& s) { s.countdownTitle = "\xE2\x82"; }},
        {"a board city with an encoded surrogate",
            [](StudioState& s) { s.boardCities.push_back("\xED\xA0\x80"); }},
        {"a clock city with an overlong slash", [](StudioState& s) { s.clockCity = "\xC0\xAF"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudioState state = defaults();
        c.change(state);
        EXPECT_EQ(encodeJSON(state), "");
    }
}

TEST(WidgetSignature, ChangesWithEveryShownFieldAndNeverWithKindOrSizes)
{
    const struct {
        const char* name;
        std::function<void(StudioState&)> change;
        bool changesSignature;
    } cases[] = {
        {"kind", [](StudioState& s) { s.kind = DotWidgetKind::sign; }, false},
        {"sizes", [](StudioState& s) { s.sizes[DotWidgetKind::clock] = DotSize::large; }, false},
        {"theme", [](StudioState& s) { s.theme = ThemeID::amber; }, true},
        {"use24h", [](StudioState& s) { s.use24h = false; }, true},
        {"board order", [](StudioState& s) { std::swap(s.boardCities[0], s.boardCities[1]); }, true},
        {"clock city", [](StudioState& s) { s.clockCity = "tokyo"; }, true},
        {"period", [](StudioState& s) { s.period = ProgressPeriod::day; }, true},
        {"title", [](StudioState& s) { s.countdownTitle = "Launch"; }, true},
        {"date by a quarter second", [](StudioState& s) { s.countdownDate = s.countdownDate + 0.25; }, true},
        {"sign text", [](StudioState& s) { s.signText = "Hello, world"; }, true},
    };
    const std::vector<std::string> original = widgetSignature(defaults());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StudioState state = defaults();
        c.change(state);
        EXPECT_EQ(widgetSignature(state) != original, c.changesSignature);
    }
}

TEST(WidgetSignature, TellsApartBoardCityListsThatDifferOnlyInEmptyIdsCommasOrBackslashes)
{
    using Cities = std::vector<std::string>;
    const struct {
        Cities one;
        Cities other;
    } cases[] = {
        {{"tokyo"}, {"", "tokyo"}},
        {{"tokyo"}, {"tokyo", ""}},
        {{}, {""}},
        {{""}, {"", ""}},
        {{"a,b"}, {"a", "b"}},
        {{"a,b"}, {"a\\", "b"}}, // a backslash at the end of an id must not escape its comma
        {{"a\\,", "b"}, {"a\\", ",b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.one) + " against " + ::testing::PrintToString(c.other));
        StudioState one = defaults();
        one.boardCities = c.one;
        StudioState other = defaults();
        other.boardCities = c.other;
        EXPECT_NE(widgetSignature(one), widgetSignature(other));
    }
}

TEST(SizeForKind, IsTheStoredSizeWhenSupportedElseMediumWhenUnsetElseTheFirstSupported)
{
    const struct {
        DotWidgetKind kind;
        std::optional<DotSize> stored;
        DotSize expected;
    } cases[] = {
        {DotWidgetKind::worldBoard, std::nullopt, DotSize::medium},
        {DotWidgetKind::clock, std::nullopt, DotSize::medium},
        {DotWidgetKind::worldBoard, DotSize::small, DotSize::medium},
        {DotWidgetKind::clock, DotSize::extraLarge, DotSize::small},
        {DotWidgetKind::sign, DotSize::extraLarge, DotSize::extraLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(rawValue(c.kind)) + " stored "
            + (c.stored ? std::string(rawValue(*c.stored)) : "none"));
        StudioState state = defaults();
        state.sizes[DotWidgetKind::day] = DotSize::large; // another kind's choice must not leak in
        if (c.stored)
            state.sizes[c.kind] = *c.stored;
        EXPECT_EQ(sizeForKind(state, c.kind), c.expected);
    }
}

} // namespace
} // namespace quillon
