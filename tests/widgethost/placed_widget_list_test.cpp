// The list of placed widgets as it goes over the bus: whole both ways, and read safely from anyone.
#include "widgethost/core/placed_widget_list.h"

#include <gtest/gtest.h>

namespace quillon::widgethost {
namespace {

TEST(PlacedWidgetList, ComesBackWhole)
{
    const PlacedWidgetList list {
        {{"12-1", "World Board", WidgetFamily::systemLarge,
             {WidgetFamily::systemMedium, WidgetFamily::systemLarge},
             "London 14:05, \xE6\x9D\xB1\xE4\xBA\xAC 22:05", "HDMI-1", true},
            {"12-2", "Day", WidgetFamily::systemSmall, {WidgetFamily::systemSmall}, "", "", false}},
        {"HDMI-1", "DP-2"}};
    EXPECT_EQ(decodePlacedWidgetList(encodePlacedWidgetList(list)), list);
}

TEST(PlacedWidgetList, ReadsWhatItCanOfBadText)
{
    for (const char* nothing : {"", "not json", "[1, 2]", "{\"widgets\": 3}", "{\"widgets\": [[[[[[1]]]]]]}"})
        EXPECT_EQ(decodePlacedWidgetList(nothing), PlacedWidgetList {}) << nothing;

    // Entries without an id or with an unknown size go; unknown and repeated sizes in the list of
    // sizes are dropped; fields of the wrong type read as empty.
    const PlacedWidgetList read = decodePlacedWidgetList(R"({"widgets": [
        {"family": "systemSmall"},
        {"id": "1-1", "family": "huge"},
        {"id": "1-2", "family": "systemSmall", "families": ["systemSmall", "huge", 3, "systemSmall"],
         "name": 5, "text": ["x"], "editable": "yes"}],
        "screens": ["HDMI-1", "", 7]})");
    ASSERT_EQ(read.widgets.size(), 1u);
    EXPECT_EQ(read.widgets[0].id, "1-2");
    EXPECT_EQ(read.widgets[0].families, std::vector<WidgetFamily> {WidgetFamily::systemSmall});
    EXPECT_EQ(read.widgets[0].name, "");
    EXPECT_EQ(read.widgets[0].text, "");
    EXPECT_FALSE(read.widgets[0].editable);
    EXPECT_EQ(read.screens, std::vector<std::string> {"HDMI-1"});
}

TEST(PlacedWidgetList, CutsLongTextsBetweenCharacters)
{
    PlacedWidgetList list {{{"1-1", "Sign", WidgetFamily::systemMedium, {}, "", "", false}}, {}};
    // Three-byte characters, so that the limit falls inside one.
    for (std::size_t bytes = 0; bytes < kLongestListText + 30; bytes += 3)
        list.widgets[0].text += "\xE2\x82\xAC";
    const std::string text = decodePlacedWidgetList(encodePlacedWidgetList(list)).widgets.at(0).text;
    EXPECT_LE(text.size(), kLongestListText);
    EXPECT_GT(text.size(), kLongestListText - 3);
    EXPECT_EQ(text.size() % 3, 0u);
}

} // namespace
} // namespace quillon::widgethost
