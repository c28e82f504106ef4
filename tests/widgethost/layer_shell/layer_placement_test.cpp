// Where the widgets' layer surfaces go on outputs of the test's own: the output a kept place is on,
// the corner there, kept whole when placed or dragged, and where a new widget goes.
#include "widgethost/desktops/layer_placement.h"

#include "widgethost/core/pointer_gesture.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quillon::widgethost {

void PrintTo(const LayerPlace& place, std::ostream* out)
{
    *out << "output " << place.output << " at (" << place.place.x << ", " << place.place.y << "), corner ("
         << place.corner.x() << ", " << place.corner.y() << ")" << (place.onItsOwn ? "" : ", not its own");
}

void PrintTo(const WidgetPlace& place, std::ostream* out)
{
    *out << "'" << place.screen << "' at (" << place.x << ", " << place.y << ") in '" << place.screenName
         << "' of " << place.screenArea.width << " x " << place.screenArea.height;
}

namespace {

OutputGeometry outputOf(std::string name, QPoint position, QSize pixels, int scale, bool transposed = false)
{
    OutputGeometry made;
    made.name = std::move(name);
    made.position = position;
    made.pixels = pixels;
    made.scale = scale;
    made.transposed = transposed;
    return made;
}

PlacedWidget placedAt(std::string screen, double x, double y)
{
    PlacedWidget placed;
    placed.screen = std::move(screen);
    placed.x = x;
    placed.y = y;
    return placed;
}

// Side by side in the layout: a display at scale two, then one turned on its side, 1080 points wide.
const std::vector<OutputGeometry> kOutputs {
    outputOf("DP-1", {0, 0}, {3840, 2160}, 2), outputOf("HDMI-A-1", {1920, 0}, {1920, 1080}, 1, true)};
const QSize kMedium {344, 164};

TEST(LayerPlacement, AKeptPlaceIsOnItsOutputInThatOutputsPointsAndKeptWholeThere)
{
    struct Case {
        const char* what;
        PlacedWidget placed;
        LayerPlace expected;
    };
    const Case cases[] = {
        {"on its output", placedAt("DP-1", 40, 60), {0, {40, 60}, {40, 60}, true}},
        // The place stays the widget's own: it shows there again once the output is as large as it was.
        {"past the edges of the output's points, if not of its pixels", placedAt("DP-1", 3000, 2000),
            {0, {3000, 2000}, {1920 - 344, 1080 - 164}, true}},
        {"past the edges of a turned output", placedAt("HDMI-A-1", 900, 1800),
            {1, {900, 1800}, {1080 - 344, 1920 - 164}, true}},
        {"at a fraction of a point: the surface at the whole point before it", placedAt("DP-1", 40.75, 60.5),
            {0, {40.75, 60.5}, {40, 60}, true}},
        {"far off its output", placedAt("DP-1", -1e9, 1e12), {0, {-1e9, 1e12}, {0, 916}, true}},
        {"on an output that has gone: on the first meanwhile, keeping its own place",
            placedAt("DP-2", 40, 60), {0, {40, 60}, {40, 60}, false}},
        {"at a corner in the layout (from an X11 desktop): on the output that holds it",
            placedAt("", 2000, 100), {1, {80, 100}, {80, 100}, true}},
        {"at a corner in the layout beside every output: on the nearest", placedAt("", -500, 300),
            {0, {0, 300}, {0, 300}, true}},
        {"at a corner in the layout on the first output's right edge: on the second", placedAt("", 1920, 100),
            {1, {0, 100}, {0, 100}, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(placeOnLayerOutputs(c.placed, kMedium, kOutputs), c.expected);
    }
}

TEST(LayerPlacement, AWidgetWaitsForAnOutputWhenThereIsNone)
{
    EXPECT_EQ(placeOnLayerOutputs(placedAt("DP-1", 40, 60), kMedium, {}), std::nullopt);
}

TEST(LayerPlacement, ADraggedCornerIsKeptSoTheWidgetLiesWholeOnItsOutput)
{
    struct Case {
        const char* what;
        QPoint corner;
        QSize output;
        QPoint kept;
    };
    const Case cases[] = {
        {"within the output", {100, 200}, {1920, 1080}, {100, 200}},
        {"at the bottom-right edge", {1576, 916}, {1920, 1080}, {1576, 916}},
        {"past the right edge", {1700, 200}, {1920, 1080}, {1576, 200}},
        {"past the bottom edge", {100, 1000}, {1920, 1080}, {100, 916}},
        {"past the top-left corner", {-40, -5}, {1920, 1080}, {0, 0}},
        {"far past the bottom-right corner", {5000, 5000}, {1920, 1080}, {1576, 916}},
        {"on an output smaller than the widget", {50, 50}, {300, 100}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keepWholeOnOutput(c.corner, kMedium, c.output), c.kept);
    }
}

TEST(LayerPlacement, ADragMovesTheWidgetAsFarAsThePointerOnceItHasGoneTheDragDistance)
{
    // The widget's corner at 100, 100, pressed 50, 20 into it, with a drag distance of 10 points.
    const QPoint corner {100, 100};
    const QPoint press {150, 120};
    const QSize output {1920, 1080};
    struct Case {
        const char* what;
        std::vector<QPoint> moves;
        std::optional<QPoint> last; // where the last move took the widget's corner
        PointerGesture::Ending ending;
    };
    const Case cases[] = {
        {"no move", {}, std::nullopt, PointerGesture::Ending::click},
        {"a move short of the drag distance", {{153, 126}}, std::nullopt, PointerGesture::Ending::click},
        {"a move of the drag distance", {{156, 124}}, QPoint(106, 104), PointerGesture::Ending::drag},
        {"a move back near the press after a drag", {{170, 120}, {152, 121}}, QPoint(102, 101),
            PointerGesture::Ending::drag},
        {"a move to the left", {{20, 300}}, QPoint(0, 280), PointerGesture::Ending::drag},
        {"a move past the output's edge", {{2000, 120}}, QPoint(1576, 100), PointerGesture::Ending::drag},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PointerGesture gesture(10);
        gesture.press(press, corner);
        std::optional<QPoint> last;
        for (const QPoint to : c.moves) {
            if (const auto dragged = gesture.move(to))
                last = keepWholeOnOutput(*dragged, kMedium, output);
        }
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(gesture.release(), c.ending);
    }
}

TEST(LayerPlacement, ThePointerWithNoButtonHeldNeitherDragsNorClicks)
{
    PointerGesture gesture(10);
    EXPECT_EQ(gesture.move({400, 400}), std::nullopt);
    EXPECT_EQ(gesture.release(), PointerGesture::Ending::none);
    gesture.press({10, 10}, {0, 0});
    gesture.release();
    EXPECT_EQ(gesture.move({400, 400}), std::nullopt);
    EXPECT_EQ(gesture.release(), PointerGesture::Ending::none);
}

KeptWidget keptAt(std::string screen, double x, double y, QSize size)
{
    return {placedAt(std::move(screen), x, y), size};
}

TEST(LayerPlacement, WidgetsPastTheEdgesOfAShrunkOutputShowInsideItClearOfTheOthersAndGoBackWhenItGrows)
{
    const QSize small {164, 164};
    const std::vector<KeptWidget> widgets {
        keptAt("DP-1", 24, 24, small), // a clock in the corner
        keptAt("DP-1", 220, 200, kMedium), // a countdown
        keptAt("DP-1", 900, 600, kMedium), // a world board near the bottom-right corner
        keptAt("HDMI-A-1", 40, 40, small), // on the other output, which stays as it is
    };
    // 1280 x 800 pixels at scale one, then two, then 2560 x 1600 pixels at two: as large as before.
    const auto outputsAt = [](QSize pixels, int scale) {
        return std::vector<OutputGeometry> {
            outputOf("DP-1", {0, 0}, pixels, scale), outputOf("HDMI-A-1", {1280, 0}, {1920, 1080}, 1)};
    };
    const auto corners = [&](QSize pixels, int scale) {
        std::vector<QPoint> shown;
        for (const auto& place : showOnLayerOutputs(widgets, outputsAt(pixels, scale))) {
            EXPECT_TRUE(place.has_value());
            if (place)
                shown.push_back(place->corner);
        }
        return shown;
    };
    const std::vector<QPoint> asKept {{24, 24}, {220, 200}, {900, 600}, {40, 40}};
    EXPECT_EQ(corners({1280, 800}, 1), asKept);
    // 640 x 400 points: the board moved in would cover the countdown, and goes over it instead.
    EXPECT_EQ(corners({1280, 800}, 2), (std::vector<QPoint> {{24, 24}, {220, 200}, {220, 20}, {40, 40}}));
    EXPECT_EQ(corners({2560, 1600}, 2), asKept);
    // Every place stays the widget's own meanwhile.
    const auto shrunk = showOnLayerOutputs(widgets, outputsAt({1280, 800}, 2));
    ASSERT_TRUE(shrunk[2]);
    EXPECT_EQ(shrunk[2]->place, (PointF {900, 600}));
    EXPECT_TRUE(shrunk[2]->onItsOwn);
    EXPECT_EQ(showOnLayerOutputs(widgets, {}), (std::vector<std::optional<LayerPlace>>(widgets.size())));
}

TEST(LayerPlacement, OneMoreWidgetShowsWhereItIsKeptOrWhereItGivesWayToTheWidgetsShown)
{
    const std::vector<ShownOnOutput> shown {{"DP-1", {20, 20, 164, 164}}, {"HDMI-A-1", {24, 24, 344, 164}}};
    struct Case {
        const char* what;
        PlacedWidget placed;
        LayerPlace expected;
    };
    const Case cases[] = {
        {"on its output, over another: where the user put it", placedAt("DP-1", 40, 40),
            {0, {40, 40}, {40, 40}, true}},
        {"past its output's edges: moved in", placedAt("DP-1", 5000, 40), {0, {5000, 40}, {1576, 40}, true}},
        {"visiting while its own output is away, over a widget there: beside it", placedAt("DP-2", 20, 20),
            {0, {20, 20}, {200, 20}, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(showBesideOnLayerOutputs(c.placed, kMedium, kOutputs, shown), c.expected);
    }
    EXPECT_EQ(showBesideOnLayerOutputs(placedAt("DP-1", 40, 60), kMedium, {}, shown), std::nullopt);
}

TEST(LayerPlacement, ANewWidgetGoesBesideTheWidgetPointedAtElseIntoTheFirstOutputsTopRightCorner)
{
    // The second output at scale two: 1280 x 720 points.
    const std::vector<OutputGeometry> outputs {
        outputOf("DP-1", {0, 0}, {1920, 1080}, 1), outputOf("HDMI-A-1", {1920, 0}, {2560, 1440}, 2)};
    const RectF first {0, 0, 1920, 1080};
    const RectF second {0, 0, 1280, 720};
    const QSize small {164, 164};
    PlacedWidget inTheCorner = placedAt("DP-1", 1732, 24);
    inTheCorner.family = WidgetFamily::systemSmall;
    PlacedWidget elsewhere = placedAt("HDMI-A-1", 1092, 24);
    elsewhere.family = WidgetFamily::systemSmall;
    struct Case {
        const char* what;
        std::vector<ShownOnOutput> shown;
        std::vector<PlacedWidget> placed;
        std::optional<std::size_t> pointed;
        WidgetPlace expected;
    };
    const Case cases[] = {
        {"no widgets", {}, {}, std::nullopt, {"DP-1", 1732, 24, "DP-1", first}},
        {"a widget in that corner of another output", {{"HDMI-A-1", {1092, 24, 164, 164}}}, {elsewhere},
            std::nullopt, {"DP-1", 1732, 24, "DP-1", first}},
        {"a widget shown in the corner", {{"DP-1", {1732, 24, 164, 164}}}, {inTheCorner}, std::nullopt,
            {"DP-1", 1732, 204, "DP-1", first}},
        // Placed a moment ago, its surface not made yet.
        {"a widget placed in the corner, not shown yet", {}, {inTheCorner}, std::nullopt,
            {"DP-1", 1732, 204, "DP-1", first}},
        {"a widget on the second output pointed at",
            {{"DP-1", {1732, 24, 164, 164}}, {"HDMI-A-1", {400, 300, 344, 164}}}, {}, 1,
            {"HDMI-A-1", 760, 300, "HDMI-A-1", second}},
        {"a widget pointed at whose output has gone", {{"DP-2", {400, 300, 344, 164}}}, {}, 0,
            {"DP-1", 1732, 24, "DP-1", first}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(placeNewOnLayerOutputs(small, outputs, c.shown, c.placed, c.pointed), c.expected);
    }
    EXPECT_EQ(placeNewOnLayerOutputs(small, {}, {}, {}, std::nullopt), WidgetPlace {});
}

} // namespace
} // namespace quillon::widgethost
