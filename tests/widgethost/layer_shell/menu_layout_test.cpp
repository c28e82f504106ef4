// Where a menu's entries lie inside its frame, and which one can be chosen at a point.
#include "widgethost/layer_shell/menu_layout.h"

#include "tests/widgethost/layer_shell/qt_geometry_printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon::widgethost {
namespace {

LayerMenuEntry entry(LayerMenuEntry::Kind kind, const char* title = "")
{
    return {kind, title, false, {}};
}

using Kind = LayerMenuEntry::Kind;

// A widget's menu as the style might measure it, in a frame of 2 points at the sides and 4 at the top
// and bottom.
const std::vector<LayerMenuEntry> kEntries {entry(Kind::action, "Edit Widget…"), entry(Kind::heading, "Size"),
    entry(Kind::check, "Small"), entry(Kind::check, "Medium"), entry(Kind::separator),
    entry(Kind::action, "Remove Widget")};
const std::vector<QSize> kSizes {{120, 22}, {60, 22}, {90, 22}, {100, 22}, {10, 9}, {110, 22}};

TEST(MenuLayout, EntriesStandOneUnderAnotherAsWideAsTheWidestInsideTheFrame)
{
    const MenuLayout layout(kEntries, kSizes, 2, 4);
    const std::vector<QRect> rects {{2, 4, 120, 22}, {2, 26, 120, 22}, {2, 48, 120, 22}, {2, 70, 120, 22},
        {2, 92, 120, 9}, {2, 101, 120, 22}};
    EXPECT_EQ(layout.rects(), rects);
    EXPECT_EQ(layout.size(), QSize(2 + 120 + 2, 4 + 5 * 22 + 9 + 4));
}

TEST(MenuLayout, AMenuOfNoEntriesIsItsFrameAlone)
{
    const MenuLayout layout({}, {}, 2, 4);
    EXPECT_TRUE(layout.rects().empty());
    EXPECT_EQ(layout.size(), QSize(4, 8));
    EXPECT_EQ(layout.entryAt({2, 4}), -1);
}

TEST(MenuLayout, ThePointerChoosesTheActionOrCheckItIsOverAndNothingElse)
{
    const MenuLayout layout(kEntries, kSizes, 2, 4);
    struct Case {
        const char* what;
        QPointF at;
        int entry;
    };
    const Case cases[] = {
        {"an action", {10, 10}, 0},
        {"the action's top-left point", {2, 4}, 0},
        {"a heading", {10, 30}, -1},
        {"a check", {60, 50}, 2},
        {"the next check", {121, 91}, 3},
        {"a separator", {10, 95}, -1},
        {"the last action", {10, 122}, 5},
        {"the frame at the left", {1, 10}, -1},
        {"the frame at the top", {10, 3}, -1},
        {"the frame at the right", {122, 10}, -1},
        {"the frame at the bottom", {10, 123}, -1},
        {"beyond the menu", {500, 500}, -1},
        {"before the menu", {-3, -3}, -1},
        // A point counts as the one it rounds to.
        {"just short of the half point over the check", {10, 47.4}, -1},
        {"the half point over the check", {10, 47.5}, 2},
        {"short of the half point past the right", {121.4, 10}, 0},
        {"the half point past the right", {121.5, 10}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(layout.entryAt(c.at), c.entry);
    }
}

} // namespace
} // namespace quillon::widgethost
