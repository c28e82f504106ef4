// The settings record: its defaults, its JSON in both directions, and what of it the widgets show.
#include "state/studio_state.h"

#include "tests/scenes/scene_test_support.h"

#include <gtest/gtest.h>

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
        {R"({"kind":"gauge","theme":"sky"})", [](StudioState& s) { s.theme = ThemeID::sky; }},
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

TEST(StudioStateJSON, TextThatIsNotOneJSONObjectDecodesToNothing)
{
    const std::string cases[] = {"[]", R"([{"kind":"clock"}])", "kind: clock", "", "null", R"("{}")",
        R"({"kind":"clock")", std::string(100000, '[') + std::string(100000, ']'),
        R"({"deep":)" + std::string(100, '[') + std::string(100, ']') + "}"};
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
        {"defaults", [](StudioState&) {}},
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

TEST(WidgetSignature, OfTheDefaultRecordListsWhatTheWidgetsShow)
{
    const std::vector<std::string> signature = widgetSignature(defaults());
    ASSERT_EQ(signature.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(signature.begin(), signature.begin() + 6),
        (std::vector<std::string> {
            "midnight", "true", "los-angeles,new-york,london,dubai,tokyo", "local", "year", "New Year"}));
    EXPECT_EQ(signature[7], "Hello, world!");
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
