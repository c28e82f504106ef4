// Which corner a moving surface's pointer events are relative to, as the round trips after its
// moves come back.
#include "widgethost/layer_shell/corner_changes.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon::widgethost {
namespace {

TEST(CornerChanges, EventsAreReadAgainstTheOldCornerUntilTheRoundTripAfterTheMoveComesBack)
{
    CornerChanges<int> corners({100, 50});
    EXPECT_EQ(corners.current(), QPoint(100, 50));
    corners.committed(1, {130, 50});
    // What the compositor sent before it handled the commit still has the old corner.
    EXPECT_EQ(corners.current(), QPoint(100, 50));
    EXPECT_EQ(corners.pending(), std::vector<int> {1});
    EXPECT_EQ(corners.settled(1), std::vector<int> {1});
    EXPECT_EQ(corners.current(), QPoint(130, 50));
    EXPECT_TRUE(corners.pending().empty());
}

TEST(CornerChanges, ARoundTripSettlesItsOwnMoveAndEveryEarlierOneButNoLaterOne)
{
    struct Case {
        int roundTrip;
        QPoint corner;
        std::vector<int> freed;
        std::vector<int> stillAwaited;
    };
    const Case cases[] = {
        {1, {10, 0}, {1}, {2, 3}},
        {2, {20, 5}, {1, 2}, {3}},
        {3, {30, 10}, {1, 2, 3}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roundTrip);
        CornerChanges<int> corners({0, 0});
        corners.committed(1, {10, 0});
        corners.committed(2, {20, 5});
        corners.committed(3, {30, 10});
        EXPECT_EQ(corners.settled(c.roundTrip), c.freed);
        EXPECT_EQ(corners.current(), c.corner);
        EXPECT_EQ(corners.pending(), c.stillAwaited);
    }
}

TEST(CornerChanges, AMoveBackToAnEarlierCornerHoldsOnceItsOwnRoundTripIsBack)
{
    CornerChanges<int> corners({0, 0});
    corners.committed(1, {40, 40});
    corners.committed(2, {0, 0});
    corners.settled(1);
    EXPECT_EQ(corners.current(), QPoint(40, 40));
    corners.settled(2);
    EXPECT_EQ(corners.current(), QPoint(0, 0));
}

} // namespace
} // namespace quillon::widgethost
