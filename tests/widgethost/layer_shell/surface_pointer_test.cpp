// Where the pointer is on the output while it drags the surface it is over: from its point on the
// surface, or from the distances the compositor tells where the device moves by distances.
#include "widgethost/layer_shell/surface_pointer.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"
#include "widgethost/core/pointer_gesture.h"
#include "widgethost/layer_shell/corner_changes.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <utility>
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
        EXPECT_EQ(pointer.moved(c.local, c.corner), c.onOutput);
        EXPECT_EQ(pointer.pressed(c.corner), c.onOutput);
        EXPECT_EQ(pointer.released(c.corner), c.onOutput);
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
            EXPECT_EQ(pointer.moved({20, 10}, corner), std::nullopt);
        }
        EXPECT_EQ(last, c.end);
        EXPECT_EQ(pointer.released(corner), c.end);
    }
}

TEST(SurfacePointer, EachPressFollowsTheDistancesAfreshFromItsOwnPoint)
{
    SurfacePointer pointer;
    pointer.entered({20, 10});
    pointer.pressed({100, 100});
    pointer.movedBy({300, 40});
    pointer.released({400, 140});
    // Moves between the presses are told too, while no button is held.
    pointer.movedBy({-1000, -1000});
    pointer.moved({5, 6}, {400, 140});
    EXPECT_EQ(pointer.pressed({400, 140}), QPoint(405, 146));
    EXPECT_EQ(pointer.movedBy({1, 1}), QPoint(406, 147));
}

TEST(SurfacePointer, PointsServeUntilTheFirstDistanceAfterAPressAndAgainAfterTheNextPress)
{
    SurfacePointer pointer;
    pointer.entered({20, 10});
    pointer.pressed({100, 100});
    // A mouse's first move may come as a point before its distance: both say the same.
    EXPECT_EQ(pointer.moved({25, 13}, {100, 100}), QPoint(125, 113));
    EXPECT_EQ(pointer.movedBy({5, 3}), QPoint(125, 113));
    EXPECT_EQ(pointer.moved({25, 13}, {100, 100}), std::nullopt);
    EXPECT_EQ(pointer.movedBy({10, 0}), QPoint(135, 113));
    EXPECT_EQ(pointer.released({110, 100}), QPoint(135, 113));
    // The next press is with a tablet, which tells no distances: its points serve again.
    pointer.moved({40, 40}, {110, 100});
    EXPECT_EQ(pointer.pressed({110, 100}), QPoint(150, 140));
    EXPECT_EQ(pointer.moved({60, 45}, {110, 100}), QPoint(170, 145));
    EXPECT_EQ(pointer.released({110, 100}), QPoint(170, 145));
}

// A drag by a device that tells only where it is (a tablet, a virtual machine's pointer): the
// compositor tells each point counting from the corner the surface has when it sends the event,
// and the surface moves when the compositor handles the commit that moves it, after events already
// sent. `lag` is how many of the pointer's moves the compositor sends before it handles a commit.
struct DragByPoints {
    QPoint start; // the pointer on the output at the press
    std::vector<QPoint> moves; // where the pointer goes on the output
    int lag;
};

struct DragOutcome {
    std::vector<QPoint> corners; // each corner the drag commits, in order
    PointerGesture::Ending ending;
};

DragOutcome dragByPoints(const DragByPoints& drag, QPoint corner)
{
    QPoint shown = corner; // where the compositor has the surface
    std::deque<std::pair<int, QPoint>> unhandled; // commits, by the round trip after each
    CornerChanges<int> changes(corner);
    SurfacePointer pointer;
    PointerGesture gesture(10);
    DragOutcome outcome {{}, PointerGesture::Ending::none};
    int trips = 0;
    pointer.entered(drag.start - shown);
    gesture.press(pointer.pressed(changes.current()), corner);
    for (const QPoint& at : drag.moves) {
        while (static_cast<int>(unhandled.size()) > drag.lag) {
            shown = unhandled.front().second;
            changes.settled(unhandled.front().first);
            unhandled.pop_front();
        }
        const auto onOutput = pointer.moved(at - shown, changes.current());
        EXPECT_EQ(onOutput, at);
        if (const auto moved = gesture.move(*onOutput); moved && *moved != corner) {
            corner = *moved;
            changes.committed(++trips, corner);
            unhandled.emplace_back(trips, corner);
            outcome.corners.push_back(corner);
        }
    }
    outcome.ending = gesture.release();
    return outcome;
}

TEST(SurfacePointer, WithoutDistancesADragFollowsThePointerWhileTheSurfaceMovesUnderIt)
{
    struct Case {
        const char* what;
        DragByPoints drag;
        DragOutcome expected;
    };
    const Case cases[] = {
        {"a wobble under the drag distance stays a click",
            {{120, 110}, {{123, 112}, {118, 107}, {124, 114}}, 0}, {{}, PointerGesture::Ending::click}},
        {"a drag whose commits are handled before the next move",
            {{120, 110}, {{140, 110}, {200, 150}, {260, 190}}, 0},
            {{{120, 100}, {180, 140}, {240, 180}}, PointerGesture::Ending::drag}},
        {"a drag whose commits are handled one move late",
            {{120, 110}, {{140, 110}, {200, 150}, {260, 190}, {261, 191}}, 1},
            {{{120, 100}, {180, 140}, {240, 180}, {241, 181}}, PointerGesture::Ending::drag}},
        {"quick steps that the compositor is two moves behind",
            {{120, 110}, {{220, 160}, {320, 210}, {420, 260}, {520, 310}}, 2},
            {{{200, 150}, {300, 200}, {400, 250}, {500, 300}}, PointerGesture::Ending::drag}},
        {"back over where the drag began", {{120, 110}, {{180, 110}, {120, 110}, {100, 90}}, 1},
            {{{160, 100}, {100, 100}, {80, 80}}, PointerGesture::Ending::drag}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DragOutcome outcome = dragByPoints(c.drag, {100, 100});
        EXPECT_EQ(outcome.corners, c.expected.corners);
        EXPECT_EQ(outcome.ending, c.expected.ending);
    }
}

} // namespace
} // namespace quillon::widgethost
