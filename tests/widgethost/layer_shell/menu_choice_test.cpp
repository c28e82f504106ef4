// The entry a menu highlights as the pointer moves over it, and the one a button chooses.
#include "widgethost/layer_shell/menu_choice.h"

#include <gtest/gtest.h>

#include <optional>

namespace quillon::widgethost {
namespace {

TEST(MenuChoice, TheHighlightMovesOnlyWhenThePointerComesOverAnotherEntry)
{
    struct Step {
        const char* what;
        int over;
        bool drawnAgain;
    };
    const Step steps[] = {
        {"over none at first", -1, false},
        {"onto an entry", 0, true},
        {"within the same entry", 0, false},
        {"onto another entry", 2, true},
        {"off the entries", -1, true},
        {"still off them", -1, false},
        {"back onto the first", 0, true},
    };
    MenuChoice choice;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(choice.hover(step.over), step.drawnAgain);
        EXPECT_EQ(choice.highlighted(), step.over);
    }
}

TEST(MenuChoice, AReleaseOverAnEntryChoosesItAndAPressOrAReleaseOverNoneChoosesNothing)
{
    struct Case {
        const char* what;
        int over;
        bool pressed;
        std::optional<std::size_t> chosen;
    };
    const Case cases[] = {
        {"a release over an entry", 3, false, 3},
        {"a press over an entry", 3, true, std::nullopt},
        {"a release over none", -1, false, std::nullopt},
        {"a press over none", -1, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MenuChoice choice;
        choice.hover(c.over);
        EXPECT_EQ(choice.chosenBy(c.pressed), c.chosen);
        EXPECT_FALSE(choice.finished());
    }
}

TEST(MenuChoice, AMenuFinishesOnceAndChoosesNothingAfter)
{
    MenuChoice choice;
    choice.hover(1);
    EXPECT_TRUE(choice.finish());
    EXPECT_TRUE(choice.finished());
    EXPECT_FALSE(choice.finish());
    EXPECT_EQ(choice.chosenBy(false), std::nullopt);
}

} // namespace
} // namespace quillon::widgethost
