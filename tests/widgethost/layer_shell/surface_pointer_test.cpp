// Where the pointer is on the output while it drags the surface it is over: from its point on the
// surface, or from the distances the compositor tells.
#include "widgethost/layer_shell/surface_pointer.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quillon::widgethost {
namespace {

TEST(SurfacePointer, WithoutDistancesThePointerIsItsPointOnTheSurfaceRoundedPlusTheCornerOfTheEvents)
{
    struct Case {
        QPointF local;
        QPoint corner;
        QPoint onOutput;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}, {0, 0}},
        {{10, 20}, {100, 50}, {110, 70}},
        {{10.2, 20.7}, {100, 50}, {110, 71}},
        {{3.5, 3.5}, {10, 10}, {14, 14}}, // a half rounds up, as Qt rounds it
        {{5, 5}, {1500, 900}, {1505, 905}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.local));
        SurfacePointer pointer;
        EXPECT_EQ(pointer.moved(c.local, c.corner, false), c.onOutput);
        EXPECT_EQ(pointer.pressed(c.corner), c.onOutput);
        EXPECT_EQ(pointer.released(c.corner, false), c.onOutput);
    }
}

TEST(SurfacePointer, APressWhereThePointerEnteredIsAtThatPoint)
{
    SurfacePointer pointer;
    pointer.entered({7, 9});
    EXPECT_EQ(pointer.pressed({200, 100}), QPoint(207, 109));
}

TEST(SurfacePointer, WithDistancesAMoveOverTheSurfaceSaysNothingAndTheDragEndsWhereTheDistancesAddUp)
{
    struct Case {
        const char* what;
        std::vector<QPointF> distances;
        QPoint end;
    };
    const Case cases[] = {
        {"no move", {}, {120, 110}},
        {"one move", {{30, 0}}, {150, 110}},
        {"moves back and forth", {{30, 0}, {-45, 12}, {0, -2}}, {105, 120}},
        {"a fraction rounds to the nearest point", {{-25.5, 4.25}}, {95, 114}},
        {"quarter points each too small to count add up",
            {{0.25, -0.25}, {0.25, -0.25}, {0.25, -0.25}, {0.25, -0.25}}, {121, 109}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SurfacePointer pointer;
        pointer.entered({20, 10});
        EXPECT_EQ(pointer.pressed({100, 100}), QPoint(120, 110));
        QPoint last = QPoint(120, 110);
        QPoint corner {100, 100};
        for (const QPointF& distance : c.distances) {
            last = pointer.movedBy(distance);
            // The surface follows the drag; the compositor's word on the pointer over it, sent while
            // the surface moved, is not used.
            corner += distance.toPoint();
            EXPECT_EQ(pointer.moved({20, 10}, corner, true), std::nullopt);
        }
        EXPECT_EQ(last, c.end);
        EXPECT_EQ(pointer.released(corner, true), c.end);
    }
}

TEST(SurfacePointer, EachPressFollowsTheDistancesAfreshFromItsOwnPoint)
{
    SurfacePointer pointer;
    pointer.entered({20, 10});
    pointer.pressed({100, 100});
    pointer.movedBy({300, 40});
    pointer.released({400, 140}, true);
    // Moves between the presses are told too, while no button is held.
    pointer.movedBy({-1000, -1000});
    pointer.moved({5, 6}, {400, 140}, true);
    EXPECT_EQ(pointer.pressed({400, 140}), QPoint(405, 146));
    EXPECT_EQ(pointer.movedBy({1, 1}), QPoint(406, 147));
}

} // namespace
} // namespace quillon::widgethost
