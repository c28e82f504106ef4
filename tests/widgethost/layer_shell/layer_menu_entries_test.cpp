// A widget's menu as the one list a layer surface's menu shows.
#include "widgethost/desktops/layer_menu_entries.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace quillon::widgethost {
namespace {

using Kind = LayerMenuEntry::Kind;
using Line = std::tuple<Kind, std::string, bool>; // kind, title, checked

WidgetMenuItem item(const char* title, std::function<void()> action = {})
{
    WidgetMenuItem made;
    made.title = QString::fromUtf8(title);
    made.action = std::move(action);
    return made;
}

WidgetMenuItem check(const char* title, bool checked)
{
    WidgetMenuItem made = item(title);
    made.checkable = true;
    made.checked = checked;
    return made;
}

WidgetMenuItem submenu(const char* title, std::vector<WidgetMenuItem> choices)
{
    WidgetMenuItem made = item(title);
    made.submenu = std::move(choices);
    return made;
}

const WidgetMenuItem kSeparator {};

std::vector<Line> linesOf(const std::vector<LayerMenuEntry>& entries)
{
    std::vector<Line> lines;
    for (const LayerMenuEntry& entry : entries)
        lines.emplace_back(entry.kind, entry.title.toStdString(), entry.checked);
    return lines;
}

TEST(LayerMenuEntries, ASubmenusChoicesAreListedUnderAHeadingOfTheirOwnWithASeparatorAfter)
{
    const std::vector<WidgetMenuItem> menu {item("Edit Widget…"),
        submenu("Size", {check("Small", false), check("Medium", true), item("Large")}), item("Remove Widget"),
        kSeparator, item("Edit Widgets…")};
    const std::vector<Line> expected {
        {Kind::action, "Edit Widget…", false},
        {Kind::heading, "Size", false},
        {Kind::check, "Small", false},
        {Kind::check, "Medium", true},
        {Kind::action, "Large", false},
        {Kind::separator, "", false},
        {Kind::action, "Remove Widget", false},
        {Kind::separator, "", false},
        {Kind::action, "Edit Widgets…", false},
    };
    EXPECT_EQ(linesOf(layerMenuEntriesOf(menu)), expected);
}

TEST(LayerMenuEntries, SeparatorsThatFollowOneAnotherShowAsOneAndNoneEndsTheMenu)
{
    struct Case {
        const char* what;
        std::vector<WidgetMenuItem> menu;
        std::vector<Line> expected;
    };
    const Case cases[] = {
        {"two separators", {item("Open"), kSeparator, kSeparator, item("Close")},
            {{Kind::action, "Open", false}, {Kind::separator, "", false}, {Kind::action, "Close", false}}},
        {"a separator after a submenu", {submenu("Size", {item("Small")}), kSeparator, item("Remove")},
            {{Kind::heading, "Size", false}, {Kind::action, "Small", false}, {Kind::separator, "", false},
                {Kind::action, "Remove", false}}},
        {"two submenus one after the other",
            {submenu("Size", {item("Small")}), submenu("Colour", {item("Red")}), item("Remove")},
            {{Kind::heading, "Size", false}, {Kind::action, "Small", false}, {Kind::separator, "", false},
                {Kind::heading, "Colour", false}, {Kind::action, "Red", false}, {Kind::separator, "", false},
                {Kind::action, "Remove", false}}},
        {"a submenu last", {item("Edit"), submenu("Size", {item("Small")})},
            {{Kind::action, "Edit", false}, {Kind::heading, "Size", false}, {Kind::action, "Small", false}}},
        {"a separator first", {kSeparator, item("Edit")}, {{Kind::action, "Edit", false}}},
        {"only separators", {kSeparator, kSeparator}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(linesOf(layerMenuEntriesOf(c.menu)), c.expected);
    }
}

TEST(LayerMenuEntries, EachChoiceCarriesTheActionOfItsOwnItem)
{
    std::vector<std::string> ran;
    const auto record = [&ran](std::string what) { return [&ran, what] { ran.push_back(what); }; };
    const std::vector<WidgetMenuItem> menu {item("Edit", record("edit")),
        submenu("Size", {item("Small", record("small")), item("Large", record("large"))}),
        item("Remove", record("remove"))};
    const std::vector<LayerMenuEntry> entries = layerMenuEntriesOf(menu);
    for (const LayerMenuEntry& entry : entries) {
        if (entry.action)
            entry.action();
    }
    EXPECT_EQ(ran, (std::vector<std::string> {"edit", "small", "large", "remove"}));
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_FALSE(entries[1].choosable()); // the heading
    EXPECT_FALSE(entries[4].choosable()); // the separator
}

} // namespace
} // namespace quillon::widgethost
