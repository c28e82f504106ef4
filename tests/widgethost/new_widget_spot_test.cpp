// Where a new widget goes: beside the widget the pointer was last over, else into the top-right
// corner; clear of the widgets placed, shown or not, and of the windows the desktop can see, or of
// the middle where it cannot.
#include "widgethost/core/new_widget_spot.h"

#include "tests/widgethost/plane_printers.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quillon::widgethost {
namespace {

const SizeF kSmall {164, 164};
const SizeF kMedium {344, 164};

RectF rectAt(PointF corner, SizeF size)
{
    return {corner.x, corner.y, size.width, size.height};
}

// Whether two rectangles come closer than `gap`.
bool near(const RectF& a, const RectF& b, double gap = 0)
{
    return a.x < b.right() + gap && b.x < a.right() + gap && a.y < b.bottom() + gap && b.y < a.bottom() + gap;
}

bool within(const RectF& inner, const RectF& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right()
        && inner.bottom() <= outer.bottom();
}

TEST(NewWidgetSpot, WithNoWidgetPointedAtNewWidgetsGoIntoTheTopRightCornerAndOnDownTheRightEdge)
{
    struct Case {
        const char* what;
        RectF area;
        bool seesAllWindows;
        std::vector<SizeF> sizes; // placed one after the other
        std::vector<PointF> expected;
    };
    const Case cases[] = {
        {"on an output of 1280 x 720", {0, 0, 1280, 720}, false, {kSmall, kSmall, kSmall, kSmall},
            {{1092, 24}, {1092, 204}, {1092, 384}, {912, 24}}},
        {"a medium one after a small one lines up with its right edge", {0, 0, 1280, 720}, false,
            {kSmall, kMedium}, {{1092, 24}, {912, 204}}},
        {"on a screen right of another, below a top bar", {1920, 32, 1280, 688}, true, {kMedium, kMedium},
            {{2832, 56}, {2832, 236}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewWidgetRoom room;
        room.area = c.area;
        room.seesAllWindows = c.seesAllWindows;
        std::vector<PointF> placed;
        for (const SizeF size : c.sizes) {
            placed.push_back(newWidgetSpot(size, room));
            room.widgets.push_back(rectAt(placed.back(), size));
        }
        EXPECT_EQ(placed, c.expected);
    }
}

TEST(NewWidgetSpot, ANewWidgetGoesBesideTheWidgetThePointerWasLastOver)
{
    const RectF output {0, 0, 1280, 720};
    struct Case {
        const char* what;
        RectF pointed;
        std::vector<RectF> others;
        PointF expected;
    };
    const Case cases[] = {
        // The user keeps widgets there: the middle is no reason to go elsewhere.
        {"in the middle of the output", {400, 300, 344, 164}, {}, {760, 300}},
        {"against the right edge: under it", {1092, 24, 164, 164}, {}, {1092, 204}},
        {"against the right edge with another under it: left of it", {1092, 24, 164, 164},
            {{1092, 204, 164, 164}}, {912, 24}},
        // Beside the one pointed at rather than further along the row.
        {"with another right of it: under it, lined up with its right edge", {400, 300, 344, 164},
            {{760, 300, 164, 164}}, {580, 480}},
        {"with every spot beside it taken: the nearest free one", {400, 300, 344, 164},
            {{760, 300, 164, 164}, {400, 480, 344, 164}, {216, 300, 164, 164}, {400, 120, 344, 164}},
            {940, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewWidgetRoom room;
        room.area = output;
        room.pointed = c.pointed;
        room.widgets = c.others;
        room.widgets.push_back(c.pointed);
        EXPECT_EQ(newWidgetSpot(kSmall, room), c.expected);
    }
}

TEST(NewWidgetSpot, ANewWidgetIsClearOfEveryWidgetPlacedAndOfTheWindowsTheDesktopSees)
{
    const RectF screen {0, 0, 1920, 1080};
    const RectF placedAMomentAgo {1552, 24, 344, 164}; // its window not there yet
    struct Case {
        const char* what;
        std::vector<RectF> widgets;
        std::vector<RectF> windows;
        std::optional<RectF> pointed;
    };
    const Case cases[] = {
        {"a widget placed a moment ago", {placedAMomentAgo}, {}, std::nullopt},
        {"a window over the top-right corner", {}, {{900, 0, 1020, 800}}, std::nullopt},
        {"the window that asked, over the corner, and a widget", {placedAMomentAgo}, {{130, 0, 1790, 760}},
            std::nullopt},
        {"a window right of the widget the pointer was over", {}, {{700, 0, 1220, 1080}},
            RectF {300, 300, 344, 164}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewWidgetRoom room;
        room.area = screen;
        room.widgets = c.widgets;
        room.windows = c.windows;
        room.pointed = c.pointed;
        room.seesAllWindows = true;
        const RectF placed = rectAt(newWidgetSpot(kMedium, room), kMedium);
        EXPECT_TRUE(within(placed, screen)) << placed.x << ", " << placed.y;
        std::vector<RectF> avoided = c.widgets;
        avoided.insert(avoided.end(), c.windows.begin(), c.windows.end());
        if (c.pointed)
            avoided.push_back(*c.pointed);
        for (const RectF& other : avoided)
            EXPECT_FALSE(near(placed, other, 16)) << placed.x << ", " << placed.y << " near " << other.x;
    }

    // A window over the whole screen cannot be kept clear of: the widget goes into the corner, clear
    // of the widgets still.
    NewWidgetRoom maximised;
    maximised.area = screen;
    maximised.windows = {screen};
    maximised.seesAllWindows = true;
    EXPECT_EQ(newWidgetSpot(kMedium, maximised), (PointF {1552, 24}));
    maximised.widgets = {placedAMomentAgo};
    EXPECT_EQ(newWidgetSpot(kMedium, maximised), (PointF {1552, 204}));

    // A screen full of widgets leaves the corner rather than losing the widget.
    NewWidgetRoom full;
    full.area = screen;
    full.widgets = {screen};
    EXPECT_EQ(newWidgetSpot(kMedium, full), (PointF {1552, 24}));
}

TEST(NewWidgetSpot, WhereTheDesktopCannotSeeTheWindowsNewWidgetsStayOutOfTheMiddle)
{
    const RectF output {0, 0, 1280, 720};
    const RectF middle {1280 / 3.0, 240, 1280 / 3.0, 240};
    NewWidgetRoom room;
    room.area = output;
    for (int count = 0; count < 10; ++count) {
        const RectF placed = rectAt(newWidgetSpot(kSmall, room), kSmall);
        SCOPED_TRACE(::testing::Message() << "widget " << count << " at " << placed.x << ", " << placed.y);
        EXPECT_FALSE(near(placed, middle));
        EXPECT_TRUE(within(placed, {24, 24, 1232, 672}));
        for (const RectF& other : room.widgets)
            EXPECT_FALSE(near(placed, other, 16));
        room.widgets.push_back(placed);
    }
}

} // namespace
} // namespace quillon::widgethost
