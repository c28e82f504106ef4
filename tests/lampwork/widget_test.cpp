// The widgets: their catalogue, timelines, settings merged with the studio's, faces and entities.
#include "lampwork/city_query.h"
#include "lampwork/dot_face.h"
#include "lampwork/effective_values.h"
#include "lampwork/lampwork_widgets.h"

#include "render/dot_painter.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <atomic>

namespace quillon {
namespace {

using namespace widgethost;
using testing::calendarIn;
using testing::utcInstant;

const Calendar kLondon = calendarIn("Europe/London");

StudioState defaults()
{
    return StudioState::makeDefault(utcInstant(2026, 12, 5, 10), kLondon);
}

// A provider whose settings come from a counter of loads, so tests see how often it reads.
struct CountingSources {
    std::atomic<int> loads = 0;
    StudioState stored = defaults();
    ProviderSources sources()
    {
        return {[] { return kLondon; },
            [this](Instant, const Calendar&) {
                ++loads;
                return stored;
            }};
    }
};

const DotEntry& entryData(const TimelineEntry& entry)
{
    return dynamic_cast<const DotEntry&>(*entry.data);
}

TEST(WidgetCatalogue, SixWidgetsWithTheirKindsNamesAndFamilies)
{
    CountingSources counting;
    const auto widgets = LampworkWidgets(counting.sources()).widgets();
    ASSERT_EQ(widgets.size(), 6u);
    const char* kinds[] = {"WorldBoard", "DotClock", "DotDay", "DotProgress", "DotCountdown", "DotSign"};
    for (std::size_t index = 0; index < 6; ++index)
        EXPECT_EQ(widgets[index].kind, kinds[index]);
    EXPECT_EQ(widgets[0].families,
        (std::vector<WidgetFamily> {
            WidgetFamily::systemMedium, WidgetFamily::systemLarge, WidgetFamily::systemExtraLarge}));
    EXPECT_EQ(widgets[5].families.size(), 4u);
    EXPECT_EQ(sizeForFamily(WidgetFamily::other), DotSize::medium);
}

// The studio asks the host for a size by its family's name, the host draws the family at its point
// size, and the plug-in draws the family's scene: all four must agree for every size.
TEST(WidgetFamilies, EachSizeIsOneFamilyByNameByPointSizeAndByScene)
{
    for (const DotSize size : kAllDotSizes) {
        SCOPED_TRACE(std::string(rawValue(size)));
        const auto family = widgetFamilyFromRawValue(widgetFamilyName(size));
        ASSERT_TRUE(family.has_value());
        EXPECT_EQ(*family, familyForSize(size));
        EXPECT_EQ(sizeForFamily(*family), size);
        const QSizeF points = widgethost::familyPointSize(*family);
        EXPECT_EQ(points, QSizeF(widgetPointSize(size).width, widgetPointSize(size).height));
    }
}

TEST(MinuteProvider, TimelinesStartAtTheMinuteAndShareOneRecord)
{
    CountingSources counting;
    const MinuteProvider provider(counting.sources());
    for (Instant now : {utcInstant(2026, 12, 5, 10, 15, 42), utcInstant(2026, 12, 5, 10, 15, 0)}) {
        const int before = counting.loads;
        const Timeline timeline = provider.timeline({}, now);
        EXPECT_EQ(counting.loads, before + 1) << "one load for the whole timeline";
        ASSERT_EQ(timeline.entries.size(), 61u);
        EXPECT_EQ(timeline.entries.front().date, utcInstant(2026, 12, 5, 10, 15).secondsSinceReferenceDate);
        EXPECT_EQ(timeline.entries.back().date, utcInstant(2026, 12, 5, 11, 15).secondsSinceReferenceDate);
        EXPECT_EQ(timeline.policy, ReloadPolicy::atEnd);
        for (const TimelineEntry& entry : timeline.entries)
            EXPECT_EQ(entry.data, timeline.entries.front().data);
    }
    const Instant now = utcInstant(2026, 12, 5, 10, 15, 42) + 0.25;
    EXPECT_EQ(provider.snapshot({}, now).date, now.secondsSinceReferenceDate)
        << "the snapshot is not rounded";

    counting.stored.theme = ThemeID::amber;
    counting.stored.boardCities = {"tokyo"};
    const int loads = counting.loads;
    const TimelineEntry placeholder = provider.placeholder(now);
    EXPECT_EQ(counting.loads, loads) << "the placeholder never reads the store";
    EXPECT_EQ(entryData(placeholder).app.theme, ThemeID::midnight);
    EXPECT_EQ(entryData(placeholder).app.boardCities.size(), 5u);
}

TEST(EffectiveValues, WidgetChoicesOverrideTheStudiosAndFallBackToThem)
{
    StudioState app = defaults();
    app.boardCities = {"local", "atlantis", "tokyo"};
    app.clockCity = "atlantis";
    app.period = ProgressPeriod::year;
    app.theme = ThemeID::paper;

    WidgetConfiguration config;
    EXPECT_EQ(effectiveContent(config, app).boardCityIDs, app.boardCities)
        << "the studio's list as it stands: its scene leaves unknown cities out";
    config.cities = std::vector<std::string> {"tokyo", "local", "atlantis"};
    EXPECT_EQ(
        effectiveContent(config, app).boardCityIDs, (std::vector<std::string> {"tokyo", "local", "local"}))
        << "a city the widget chose that no longer exists is the local one";
    EXPECT_EQ(effectiveContent(config, app).clockCityID, "local")
        << "an unknown studio city is the local one";
    config.city = "london";
    EXPECT_EQ(effectiveContent(config, app).clockCityID, "london");

    EXPECT_EQ(effectiveTheme(config, app), ThemeID::paper);
    config.theme.theme = ThemeID::amber;
    EXPECT_EQ(effectiveTheme(config, app), ThemeID::amber);
    EXPECT_EQ(effectiveContent(config, app).period, ProgressPeriod::year);
    config.period.period = ProgressPeriod::week;
    EXPECT_EQ(effectiveContent(config, app).period, ProgressPeriod::week);

    const std::pair<std::optional<std::string>, std::string> texts[]
        = {{std::nullopt, "New Year"}, {"   ", "New Year"}, {"\t", "New Year"}, {" Launch ", " Launch "}};
    for (const auto& [label, expected] : texts) {
        config.label = label;
        config.message = label;
        EXPECT_EQ(effectiveContent(config, app).countdownTitle, expected);
        EXPECT_EQ(
            effectiveContent(config, app).signText, expected == "New Year" ? "Hello, world!" : expected);
    }
}

TEST(EffectiveValues, AWidgetsVanishedCityIsDrawnAsTheLocalOneOnTheBoard)
{
    const Calendar calendar = calendarIn("Asia/Kathmandu");
    StudioState app = defaults();
    WidgetConfiguration config;
    config.cities = std::vector<std::string> {"tokyo", "atlantis"};
    const DotEntry entry {config, app};
    const DotScene fromWidget = faceScene(
        DotWidgetKind::worldBoard, entry, utcInstant(2026, 12, 5, 14, 30), DotSize::large, calendar);
    DisplayContent asChosen = app.content();
    asChosen.boardCityIDs = {"tokyo", "local"};
    EXPECT_EQ(fromWidget,
        sceneForKind(
            DotWidgetKind::worldBoard, DotSize::large, asChosen, utcInstant(2026, 12, 5, 14, 30), calendar));
}

TEST(WidgetConfiguration, HostileJsonGivesDefaultsParameterByParameter)
{
    const std::pair<std::string, WidgetConfiguration> cases[] = {
        {"", {}},
        {"[1,2]", {}},
        {std::string(5000, '['), {}},
        {R"({"theme":"Sky","period":7,"cities":[1,"tokyo"],"city":null,"label":42,"target":"soon","x":1})",
            {}},
        {R"({"target":-1e300})", {}},
        {R"({"target":1e300})", {}},
        {R"({"theme":"sky","period":"week","cities":["tokyo","local"],"city":"paris","target":0})",
            {{ThemeID::sky}, std::vector<std::string> {"tokyo", "local"}, "paris", {ProgressPeriod::week},
                std::nullopt, Instant {0}, std::nullopt}},
    };
    for (const auto& [json, expected] : cases) {
        SCOPED_TRACE(json.substr(0, 60));
        EXPECT_EQ(decodeWidgetConfiguration(json), expected);
    }
    const WidgetConfiguration longText
        = decodeWidgetConfiguration(R"({"message":")" + std::string(20000, 'a') + "\"}");
    EXPECT_EQ(longText.message->size(), kMaxConfigurationText);
    WidgetConfiguration roundTrip = cases[6].second;
    roundTrip.message = "Caf\u00E9";
    EXPECT_EQ(decodeWidgetConfiguration(encodeWidgetConfiguration(roundTrip)), roundTrip);
}

TEST(DotFace, LinksThemesAndScenesFollowTheEntry)
{
    CountingSources counting;
    counting.stored.theme = ThemeID::paper;
    const LampworkWidgets widgets(counting.sources());
    const HostContext context {utcInstant(2026, 12, 5, 6, 0).secondsSinceReferenceDate};
    const std::pair<const char*, const char*> links[]
        = {{"WorldBoard", "quillon://widget/worldBoard"}, {"DotClock", "quillon://widget/clock"},
            {"DotDay", "quillon://widget/day"}, {"DotProgress", "quillon://widget/progress"},
            {"DotCountdown", "quillon://widget/countdown"}, {"DotSign", "quillon://widget/sign"}};
    for (const auto& [kind, link] : links) {
        const Face face = widgets.content(
            kind, widgets.snapshot(kind, R"({"theme":"app"})", context), WidgetFamily::systemMedium);
        EXPECT_EQ(face.link, link);
        EXPECT_EQ(face.containerBackground, toQColor(themeTable()[ThemeID::paper].background));
    }
    const Face amber = widgets.content("DotSign",
        widgets.snapshot("DotSign", R"({"theme":"amber","message":"Hi"})", context), WidgetFamily::other);
    EXPECT_EQ(amber.containerBackground, toQColor(themeTable()[ThemeID::amber].background));
    EXPECT_EQ(amber.accessibilityText, " HI");

    const Face tokyo = widgets.content(
        "DotClock", widgets.snapshot("DotClock", R"({"city":"tokyo"})", context), WidgetFamily::systemSmall);
    EXPECT_EQ(tokyo.accessibilityText, "Tokyo. 15:00. SAT 05 DEC"); // not the studio's clock city, London
}

TEST(CityQuery, EntitiesByIdSkipUnknownOnesAndTheLocalOneIsNamedAfterTheZone)
{
    const City local = City::localIn("America/Argentina/Buenos_Aires");
    const auto entities = cityEntities({"local", "atlantis", "london"}, local);
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_EQ(entities[0].id, "local");
    EXPECT_EQ(entities[0].title, "Buenos Aires");
    EXPECT_EQ(entities[0].subtitle, "This Computer");
    EXPECT_EQ(entities[1].title, "London");
    EXPECT_EQ(cityEntities({"local"}, City::localIn("UTC")).front().title, "UTC");
    EXPECT_EQ(suggestedCityEntities(local).size(), 69u);
    EXPECT_EQ(matchingCityEntities("india", local).size(), 3u);
}

} // namespace
} // namespace quillon
