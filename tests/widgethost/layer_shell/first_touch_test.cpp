// Which finger the host follows while several touch the screen.
#include "widgethost/layer_shell/first_touch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quillon::widgethost {
namespace {

TEST(FirstTouch, OnlyTheFirstFingerDownIsFollowedUntilItLiftsOrTheCompositorTakesTheTouchBack)
{
    enum class Event { down, up, cancel };
    struct Step {
        const char* what;
        Event event;
        std::int32_t finger;
        bool told; // the surface under the followed finger hears of it
        std::int32_t followedAfter; // -1: none
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"one finger", {{"it comes down", Event::down, 4, true, 4}, {"and lifts", Event::up, 4, true, -1}}},
        {"a second finger while the first is down",
            {{"the first comes down", Event::down, 1, true, 1},
                {"the second is not followed", Event::down, 2, false, 1},
                {"its lifting is not told", Event::up, 2, false, 1},
                {"the first lifts", Event::up, 1, true, -1}}},
        {"the first lifts before the second",
            {{"the first comes down", Event::down, 1, true, 1}, {"the second too", Event::down, 2, false, 1},
                {"the first lifts", Event::up, 1, true, -1},
                {"the second, down before, is still not followed", Event::up, 2, false, -1},
                {"a new finger is", Event::down, 3, true, 3}}},
        {"the compositor takes the touch back",
            {{"a finger comes down", Event::down, 7, true, 7},
                {"the touch is cancelled", Event::cancel, 0, true, -1},
                {"the finger's lifting is not told", Event::up, 7, false, -1},
                {"a cancel with no finger is not told", Event::cancel, 0, false, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FirstTouch touch;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.what);
            bool told = false;
            switch (step.event) {
            case Event::down:
                told = touch.down(step.finger);
                break;
            case Event::up:
                told = touch.up(step.finger);
                break;
            case Event::cancel:
                told = touch.cancel();
                break;
            }
            EXPECT_EQ(told, step.told);
            for (std::int32_t finger : {1, 2, 3, 4, 7})
                EXPECT_EQ(touch.follows(finger), finger == step.followedAfter) << "finger " << finger;
        }
    }
}

} // namespace
} // namespace quillon::widgethost
