// Keeping widgets whole on their screens: which screen a widget belongs on, how far it moves to lie
// whole there, and where widgets show while their screen is smaller than when they were placed.
#include "widgethost/core/screen_fit.h"

#include "tests/widgethost/plane_printers.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quillon::widgethost {
namespace {

const SizeF kSmall {164, 164};
const SizeF kMedium {344, 164};
const SizeF kLarge {344, 344};

bool overlap(const RectF& a, const RectF& b)
{
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

TEST(ScreenFit, AWidgetMovesAsLittleAsItMustToLieWholeOnItsScreen)
{
    const RectF screen {0, 0, 1280, 720};
    // Below a top bar, right of another screen.
    const RectF secondScreen {1920, 32, 1280, 688};
    struct Case {
        const char* what;
        PointF corner;
        SizeF size;
        RectF area;
        PointF expected;
    };
    const Case cases[] = {
        {"whole on it", {100, 100}, kSmall, screen, {100, 100}},
        {"touching its bottom-right corner", {1116, 556}, kSmall, screen, {1116, 556}},
        {"past its right edge", {1200, 100}, kSmall, screen, {1116, 100}},
        {"grown past its bottom edge", {100, 600}, kLarge, screen, {100, 376}},
        {"past both edges", {1200, 700}, kMedium, screen, {936, 556}},
        {"above and left of a screen that is not at the desktop's corner", {1900, 0}, kSmall, secondScreen,
            {1920, 32}},
        {"larger than the screen", {50, 50}, kSmall, {0, 0, 100, 100}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keepWholeOn(c.corner, c.size, c.area), c.expected);
    }
}

TEST(ScreenFit, AWidgetBelongsOnTheScreenThatHoldsItWholeElseTheOneItOverlapsMostElseTheNearest)
{
    const std::vector<RectF> screens {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Case {
        const char* what;
        RectF widget;
        std::size_t expected;
    };
    const Case cases[] = {
        {"whole on the first", {100, 100, 344, 164}, 0},
        {"whole on the first, against its right edge", {1576, 100, 344, 164}, 0},
        {"whole on the second, against the first's right edge", {1920, 100, 344, 164}, 1},
        {"whole on the second, against its bottom edge", {2000, 860, 344, 164}, 1},
        {"across both, mostly on the second", {1800, 100, 344, 164}, 1},
        {"across both, mostly on the first", {1700, 100, 344, 164}, 0},
        {"on neither, nearer the second", {2000, 1050, 344, 164}, 1},
        {"on neither, left of the first", {-900, 500, 164, 164}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(areaOf(c.widget, screens), c.expected);
    }
    EXPECT_EQ(areaOf({0, 0, 164, 164}, {}), std::nullopt);
}

TEST(ScreenFit, AWidgetShowsWhereItIsKeptWhileItLiesWholeThereElseMovedOntoTheScreenClearOfTheOthers)
{
    // An output of 1280 x 800 points at scale two: 640 x 400 points.
    const RectF output {0, 0, 640, 400};
    const RectF clock {24, 24, 164, 164};
    const RectF sign {280, 40, 344, 164};
    struct Case {
        const char* what;
        KeptOnArea widget;
        std::vector<RectF> shown;
        PointF expected;
    };
    const Case cases[] = {
        {"whole where it is kept", {{40, 220, 164, 164}}, {clock}, {40, 220}},
        {"whole where it is kept, over another widget: the user put it there", {{100, 100, 164, 164}},
            {clock}, {100, 100}},
        {"past the edges, with room there", {{900, 500, 164, 164}}, {clock}, {476, 236}},
        {"past the edges, where that would cover another: beside it instead", {{900, 56, 344, 164}},
            {clock, sign}, {280, 220}},
        {"visiting while its own output is away, where that is free", {{40, 220, 164, 164}, true}, {clock},
            {40, 220}},
        {"visiting, where that would cover another", {{40, 40, 164, 164}, true}, {clock}, {204, 24}},
        {"with no room left for it: moved on, covering the others", {{900, 56, 344, 164}}, {{0, 0, 640, 400}},
            {296, 56}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(shownPlace(c.widget, output, c.shown), c.expected);
    }
}

TEST(ScreenFit, WhenAnOutputShrinksTheWidgetsPastItsEdgesShowInsideClearOfTheOthersAndGoBackWhenItGrows)
{
    const std::vector<KeptOnArea> kept {
        {{24, 24, 164, 164}}, // a clock in the corner
        {{560, 300, 344, 164}}, // a sign, still whole when the output shrinks
        {{1400, 800, 344, 164}}, // a world board near the bottom-right corner
        {{1700, 24, 164, 164}}, // a countdown at the top right
    };
    // The scale from one to two: 1920 x 1080 points become 960 x 540.
    const std::vector<PointF> shrunk = shownPlaces(kept, {0, 0, 960, 540});
    ASSERT_EQ(shrunk.size(), kept.size());
    EXPECT_EQ(shrunk[0], (PointF {24, 24}));
    EXPECT_EQ(shrunk[1], (PointF {560, 300}));
    for (std::size_t index = 0; index < shrunk.size(); ++index) {
        SCOPED_TRACE(index);
        const RectF shown {shrunk[index].x, shrunk[index].y, kept[index].kept.width, kept[index].kept.height};
        EXPECT_GE(shown.x, 0);
        EXPECT_GE(shown.y, 0);
        EXPECT_LE(shown.right(), 960);
        EXPECT_LE(shown.bottom(), 540);
        for (std::size_t other = 0; other < index; ++other) {
            const RectF before {
                shrunk[other].x, shrunk[other].y, kept[other].kept.width, kept[other].kept.height};
            EXPECT_FALSE(overlap(shown, before)) << "over widget " << other;
        }
    }

    // Back to its size, the output shows every widget where it is kept.
    const std::vector<PointF> grown = shownPlaces(kept, {0, 0, 1920, 1080});
    for (std::size_t index = 0; index < kept.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(grown[index], (PointF {kept[index].kept.x, kept[index].kept.y}));
    }
}

TEST(ScreenFit, OnADesktopOfScreensEachWidgetIsFittedOnTheScreenItBelongsOn)
{
    // The second screen has just gone from 1920 x 1080 to 1280 x 720.
    const std::vector<RectF> screens {{0, 0, 1920, 1080}, {1920, 0, 1280, 720}};
    const std::vector<RectF> kept {
        {100, 100, 164, 164}, // on the first
        {1600, 900, 344, 164}, // across the first's bottom-right corner: onto the first
        {3400, 900, 164, 164}, // where the second reached: onto the second
        {2000, 40, 344, 164}, // whole on the second
    };
    const std::vector<PointF> expected {{100, 100}, {1576, 900}, {3036, 556}, {2000, 40}};
    EXPECT_EQ(shownPlacesOnScreens(kept, screens), expected);
    // With no screen known, the widgets stay where they are kept.
    EXPECT_EQ(shownPlacesOnScreens({{3400, 900, 164, 164}}, {}), (std::vector<PointF> {{3400, 900}}));
}

TEST(ScreenFit, TheNearestFreeSpotLinesUpWithTheWidgetsAndPrefersAColumnWhenAcrossCountsMore)
{
    const RectF screen {0, 0, 1280, 720};
    const std::vector<RectF> taken {{1092, 24, 164, 164}};
    struct Case {
        const char* what;
        PointF wanted;
        SizeF size;
        double across;
        std::optional<PointF> expected;
    };
    const Case cases[] = {
        {"a free spot", {100, 100}, kSmall, 1, PointF {100, 100}},
        {"a free spot past the edge", {-40, 1300}, kSmall, 1, PointF {0, 556}},
        {"taken, with across counting three times: under it", {1092, 24}, kSmall, 3, PointF {1092, 204}},
        {"taken by a smaller one: under it, lined up with its right edge", {912, 24}, kMedium, 3,
            PointF {912, 204}},
        {"on a screen with no room", {0, 0}, SizeF {1280, 720}, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nearestFreeSpot(c.wanted, c.size, taken, screen, kWidgetGap, c.across), c.expected);
    }
}

} // namespace
} // namespace quillon::widgethost
