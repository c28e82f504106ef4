// The entry a menu highlights as the pointer moves over it or the arrow keys move it, and the one a
// button or a key chooses.
#include "widgethost/layer_shell/menu_choice.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <cstdint>
#include <optional>
#include <vector>

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

// A widget's menu: Edit Widget…, the heading Size, Small, Medium, a separator, Remove Widget.
const std::vector<bool> kChoosable {true, false, true, true, false, true};

TEST(MenuChoice, TheArrowKeysMoveTheHighlightOverTheEntriesThatCanBeChosenAroundTheEnds)
{
    struct Case {
        const char* what;
        int highlighted;
        std::vector<std::uint32_t> keys;
        int highlightedAfter;
        bool moved; // by the last key
    };
    const Case cases[] = {
        {"down from none goes to the first", -1, {KEY_DOWN}, 0, true},
        {"up from none goes to the last", -1, {KEY_UP}, 5, true},
        {"down skips the heading", 0, {KEY_DOWN}, 2, true},
        {"down skips the separator", 3, {KEY_DOWN}, 5, true},
        {"down from the last goes round to the first", 5, {KEY_DOWN}, 0, true},
        {"up from the first goes round to the last", 0, {KEY_UP}, 5, true},
        {"up skips the heading", 2, {KEY_UP}, 0, true},
        {"down and up come back", 2, {KEY_DOWN, KEY_UP}, 2, true},
        {"round the whole menu", 0, {KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN}, 0, true},
        {"other keys leave it", 3, {KEY_A, KEY_LEFTSHIFT, KEY_TAB}, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MenuChoice choice;
        choice.hover(c.highlighted);
        MenuChoice::KeyOutcome outcome;
        for (std::uint32_t key : c.keys)
            outcome = choice.pressKey(key, kChoosable);
        EXPECT_EQ(choice.highlighted(), c.highlightedAfter);
        EXPECT_EQ(outcome.highlightMoved, c.moved);
        EXPECT_EQ(outcome.chosen, std::nullopt);
        EXPECT_FALSE(outcome.closes);
    }
}

TEST(MenuChoice, AMenuOfOneChoiceOrNoneHasNowhereElseForTheHighlightToGo)
{
    MenuChoice one;
    EXPECT_TRUE(one.pressKey(KEY_DOWN, {false, true, false}).highlightMoved);
    EXPECT_EQ(one.highlighted(), 1);
    EXPECT_FALSE(one.pressKey(KEY_DOWN, {false, true, false}).highlightMoved);
    EXPECT_FALSE(one.pressKey(KEY_UP, {false, true, false}).highlightMoved);
    EXPECT_EQ(one.highlighted(), 1);

    MenuChoice none;
    EXPECT_FALSE(none.pressKey(KEY_DOWN, {false, false}).highlightMoved);
    EXPECT_FALSE(none.pressKey(KEY_UP, {}).highlightMoved);
    EXPECT_EQ(none.highlighted(), -1);
}

TEST(MenuChoice, ReturnEnterOrSpaceChooseTheHighlightedEntryAndEscapeCloses)
{
    struct Case {
        const char* what;
        int highlighted;
        std::uint32_t key;
        std::optional<std::size_t> chosen;
        bool closes;
    };
    const Case cases[] = {
        {"Return", 3, KEY_ENTER, 3, true},
        {"Enter on the keypad", 3, KEY_KPENTER, 3, true},
        {"Space", 5, KEY_SPACE, 5, true},
        {"Return with none highlighted", -1, KEY_ENTER, std::nullopt, false},
        {"Escape", 3, KEY_ESC, std::nullopt, true},
        {"Escape with none highlighted", -1, KEY_ESC, std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MenuChoice choice;
        choice.hover(c.highlighted);
        const MenuChoice::KeyOutcome outcome = choice.pressKey(c.key, kChoosable);
        EXPECT_EQ(outcome.chosen, c.chosen);
        EXPECT_EQ(outcome.closes, c.closes);
        EXPECT_FALSE(outcome.highlightMoved);
    }
}

TEST(MenuChoice, KeysDoNothingOnceTheMenuHasFinished)
{
    MenuChoice choice;
    choice.hover(2);
    choice.finish();
    for (std::uint32_t key : std::vector<std::uint32_t> {KEY_DOWN, KEY_UP, KEY_ENTER, KEY_SPACE, KEY_ESC}) {
        SCOPED_TRACE(key);
        const MenuChoice::KeyOutcome outcome = choice.pressKey(key, kChoosable);
        EXPECT_FALSE(outcome.highlightMoved);
        EXPECT_EQ(outcome.chosen, std::nullopt);
        EXPECT_FALSE(outcome.closes);
    }
    EXPECT_EQ(choice.highlighted(), 2);
}

} // namespace
} // namespace quillon::widgethost
