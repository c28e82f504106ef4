// What an output's events make of its geometry: its size in points, its turn, scale, mode and name.
#include "widgethost/layer_shell/output_geometry.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>

namespace quillon::widgethost {
namespace {

OutputGeometry outputOf(QSize pixels, int scale, bool transposed, QPoint position = {})
{
    OutputGeometry made;
    made.name = "DP-1";
    made.position = position;
    made.pixels = pixels;
    made.scale = scale;
    made.transposed = transposed;
    return made;
}

TEST(OutputGeometry, AnOutputMeasuresItsModeInPointsOfItsScaleAndOnItsSideWhenTurned)
{
    struct Case {
        const char* what;
        QSize pixels;
        int scale;
        bool transposed;
        QSize points;
    };
    const Case cases[] = {
        {"at scale one", {1920, 1080}, 1, false, {1920, 1080}},
        {"at scale two", {3840, 2160}, 2, false, {1920, 1080}},
        {"an odd pixel makes no half point", {1366, 769}, 2, false, {683, 384}},
        {"turned a quarter", {1920, 1080}, 1, true, {1080, 1920}},
        {"turned and at scale two", {2560, 1600}, 2, true, {800, 1280}},
        {"a scale of none counts as one", {1280, 720}, 0, false, {1280, 720}},
        {"a scale below none counts as one", {1280, 720}, -2, false, {1280, 720}},
        {"no mode yet", {0, 0}, 1, false, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(outputOf(c.pixels, c.scale, c.transposed).size(), c.points);
    }
}

TEST(OutputGeometry, AnOutputsRectangleLiesAtItsPlaceInTheLayoutMeasuredInPoints)
{
    EXPECT_EQ(outputOf({3840, 2160}, 2, false, {-1920, 0}).rect(), QRect(-1920, 0, 1920, 1080));
    EXPECT_EQ(outputOf({1920, 1080}, 1, true, {1920, 200}).rect(), QRect(1920, 200, 1080, 1920));
}

TEST(OutputGeometry, TheQuarterAndThreeQuarterTurnsFlippedOrNotPutTheModeOnItsSide)
{
    // wl_output's numbering: normal, 90, 180, 270, then the same flipped.
    const bool onItsSide[] = {false, true, false, true, false, true, false, true};
    for (int transform = 0; transform < 8; ++transform) {
        SCOPED_TRACE(transform);
        EXPECT_EQ(transformTransposes(transform), onItsSide[transform]);
    }
}

TEST(OutputGeometry, AScaleFactorPastWhatAnyOutputHasIsTakenAsTheNearestThereIs)
{
    const std::pair<int, int> cases[]
        = {{1, 1}, {2, 2}, {3, 3}, {16, 16}, {0, 1}, {-4, 1}, {17, 16}, {INT_MAX, 16}};
    for (const auto& [factor, scale] : cases) {
        SCOPED_TRACE(factor);
        EXPECT_EQ(outputScaleOf(factor), scale);
    }
}

TEST(OutputGeometry, AModeOfLessThanNoPixelsIsTakenAsNone)
{
    EXPECT_EQ(modePixels(2560, 1440), QSize(2560, 1440));
    EXPECT_EQ(modePixels(-5, 1440), QSize(0, 1440));
    EXPECT_EQ(modePixels(2560, INT_MIN), QSize(2560, 0));
}

TEST(OutputGeometry, AnOutputKeepsTheFirstNameItIsGivenCutToAReasonableLength)
{
    const std::string longName(300, 'x');
    struct Case {
        const char* what;
        const char* name;
        bool described;
        std::optional<std::string> taken;
    };
    const Case cases[] = {
        {"a first name", "HDMI-A-1", false, "HDMI-A-1"},
        {"a name after the output was described", "HDMI-A-2", true, std::nullopt},
        {"an empty name", "", false, std::nullopt},
        {"no name", nullptr, false, std::nullopt},
        {"a name longer than any output's", longName.c_str(), false, std::string(256, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(outputNameFrom(c.name, c.described), c.taken);
    }
}

TEST(OutputGeometry, WidgetsGoOnlyOnAnOutputThatIsDescribedAndHasRoom)
{
    struct Case {
        const char* what;
        OutputGeometry output;
        bool described;
        bool offers;
    };
    const Case cases[] = {
        {"described", outputOf({1920, 1080}, 1, false), true, true},
        {"not described yet", outputOf({1920, 1080}, 1, false), false, false},
        {"described without a mode", outputOf({0, 0}, 1, false), true, false},
        {"a mode of less than a point at its scale", outputOf({1, 1}, 2, false), true, false},
        {"a line of pixels", outputOf({1920, 0}, 1, false), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(offersRoom(c.output, c.described), c.offers);
    }
}

} // namespace
} // namespace quillon::widgethost
