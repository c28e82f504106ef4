// The placed widgets as the host tells its settings program of them, for the list of placed widgets
// that a keyboard or a screen reader goes through: what each is, how big, what it shows now, where,
// and the screens it could go to. JSON on the bus, read as text that may come from anyone.
#pragma once

#include "widget_plugin/widget_plugin.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::widgethost {

struct PlacedWidgetEntry {
    std::string id; // the host's id for it, as its editor is asked for
    std::string name; // the widget's name, as the gallery gives it: "World Board"
    WidgetFamily family = WidgetFamily::systemMedium;
    std::vector<WidgetFamily> families; // the sizes it comes in
    std::string text; // what it shows now, in words, as a screen reader reads it
    std::string screen; // the screen or output it is on; empty where there is only one
    bool editable = false; // whether it has settings of its own to edit
    bool operator==(const PlacedWidgetEntry&) const = default;
};

struct PlacedWidgetList {
    std::vector<PlacedWidgetEntry> widgets;
    // The screens a widget can be moved to, when there are more than one.
    std::vector<std::string> screens;
    bool operator==(const PlacedWidgetList&) const = default;
};

std::string encodePlacedWidgetList(const PlacedWidgetList& list);
// Entries that cannot be read (no id, an unknown size) are left out, texts cut at kLongestListText
// characters, and no more than kMaxListedWidgets entries and screens are read. An empty list for text
// that is no such list.
PlacedWidgetList decodePlacedWidgetList(std::string_view json);

inline constexpr std::size_t kLongestListText = 2000;
inline constexpr std::size_t kMaxListedWidgets = 1000;

} // namespace quillon::widgethost
