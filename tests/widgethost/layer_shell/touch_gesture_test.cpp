// What a finger on a widget shown as a layer surface means: a tap, a drag, a hold for the menu, and a
// touch the compositor takes back; the finger's point on the output comes from its point on the
// surface as the pointer's does.
#include "widgethost/desktops/touch_gesture.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"
#include "widgethost/layer_shell/surface_pointer.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quillon::widgethost {
namespace {

TEST(TouchGesture, ATapOpensTheLinkADragMovesTheWidgetAndAHeldFingerOpensTheMenu)
{
    enum class End { lift, cancel };
    struct Case {
        const char* what;
        std::vector<QPoint> moves; // the finger on the surface, whose corner follows the drag
        bool held; // the finger is held for the menu's while after the moves
        End end;
        std::vector<QPoint> corners; // where the widget goes
        bool menu;
        PointerGesture::Ending ending;
    };
    using Ending = PointerGesture::Ending;
    const Case cases[] = {
        {"a tap", {}, false, End::lift, {}, false, Ending::click},
        {"a tap that wobbles under the drag distance", {{21, 12}, {18, 9}, {23, 13}}, false, End::lift, {},
            false, Ending::click},
        {"a drag", {{40, 10}, {40, 10}, {30, 30}}, false, End::lift, {{120, 100}, {140, 100}, {150, 120}},
            false, Ending::drag},
        {"a finger held still", {}, true, End::lift, {}, true, Ending::none},
        {"a finger held after a wobble", {{22, 11}}, true, End::lift, {}, true, Ending::none},
        {"a finger held after a drag", {{60, 10}}, true, End::lift, {{140, 100}}, false, Ending::drag},
        {"a drag the compositor takes back, where it is", {{60, 10}}, false, End::cancel, {{140, 100}}, false,
            Ending::drag},
        {"a tap the compositor takes back", {}, false, End::cancel, {}, false, Ending::none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QPoint corner(100, 100);
        SurfacePointer finger;
        TouchGesture gesture(10);
        finger.entered({20, 10});
        gesture.press(finger.pressed(corner), corner);
        std::vector<QPoint> corners;
        for (const QPoint& at : c.moves) {
            // The compositor has moved the surface by the time it tells of the finger again.
            if (const auto moved = gesture.move(*finger.moved(at, corner))) {
                corner = *moved;
                corners.push_back(corner);
            }
        }
        EXPECT_EQ(corners, c.corners);
        EXPECT_EQ(c.held && gesture.hold(), c.menu);
        EXPECT_EQ(c.end == End::lift ? gesture.release() : gesture.cancel(), c.ending);
        EXPECT_FALSE(gesture.pressed());
    }
}

TEST(TouchGesture, AfterTheMenuOpensTheFingerMovesNothingAndHoldsNoMore)
{
    TouchGesture gesture(10);
    gesture.press({120, 110}, {100, 100});
    EXPECT_TRUE(gesture.hold());
    EXPECT_FALSE(gesture.hold());
    EXPECT_EQ(gesture.move({400, 300}), std::nullopt);
    EXPECT_EQ(gesture.release(), PointerGesture::Ending::none);
    // The next finger starts afresh.
    gesture.press({120, 110}, {100, 100});
    EXPECT_EQ(gesture.move({150, 110}), QPoint(130, 100));
    EXPECT_FALSE(gesture.hold());
}

} // namespace
} // namespace quillon::widgethost
