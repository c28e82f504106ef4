#include "widgethost/core/placed_widget_list.h"

#include "platform/json/json_depth.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>

namespace quillon::widgethost {
namespace {

using Json = nlohmann::json;

// A list, its entries, and their list of sizes: nothing deeper is ours.
constexpr int kDeepest = 4;

std::string cutText(const Json& object, const char* key)
{
    if (!object.contains(key) || !object[key].is_string())
        return {};
    std::string text = object[key].get<std::string>();
    if (text.size() > kLongestListText) {
        // Cut before the character the limit falls in, not in the middle of it.
        std::size_t end = kLongestListText;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text.resize(end);
    }
    return text;
}

std::optional<PlacedWidgetEntry> entryOf(const Json& object)
{
    if (!object.is_object())
        return std::nullopt;
    PlacedWidgetEntry entry;
    entry.id = cutText(object, "id");
    const auto family = widgetFamilyFromRawValue(cutText(object, "family"));
    if (entry.id.empty() || !family)
        return std::nullopt;
    entry.family = *family;
    entry.name = cutText(object, "name");
    entry.text = cutText(object, "text");
    entry.screen = cutText(object, "screen");
    entry.editable
        = object.contains("editable") && object["editable"].is_boolean() && object["editable"].get<bool>();
    if (object.contains("families") && object["families"].is_array()) {
        for (const Json& raw : object["families"]) {
            const auto size
                = raw.is_string() ? widgetFamilyFromRawValue(raw.get<std::string>()) : std::nullopt;
            if (size
                && std::find(entry.families.begin(), entry.families.end(), *size) == entry.families.end())
                entry.families.push_back(*size);
        }
    }
    return entry;
}

} // namespace

std::string encodePlacedWidgetList(const PlacedWidgetList& list)
{
    Json widgets = Json::array();
    for (const PlacedWidgetEntry& entry : list.widgets) {
        Json families = Json::array();
        for (WidgetFamily family : entry.families)
            families.push_back(rawValue(family));
        widgets.push_back({{"id", entry.id}, {"name", entry.name}, {"family", rawValue(entry.family)},
            {"families", families}, {"text", entry.text}, {"screen", entry.screen},
            {"editable", entry.editable}});
    }
    return Json {{"widgets", widgets}, {"screens", list.screens}}.dump(
        -1, ' ', false, Json::error_handler_t::replace);
}

PlacedWidgetList decodePlacedWidgetList(std::string_view json)
{
    PlacedWidgetList list;
    if (jsonNestedDeeperThan(json, kDeepest))
        return list;
    const Json document = Json::parse(json.begin(), json.end(), nullptr, false);
    if (!document.is_object())
        return list;
    if (document.contains("widgets") && document["widgets"].is_array()) {
        for (const Json& object : document["widgets"]) {
            if (list.widgets.size() == kMaxListedWidgets)
                break;
            if (auto entry = entryOf(object))
                list.widgets.push_back(std::move(*entry));
        }
    }
    if (document.contains("screens") && document["screens"].is_array()) {
        for (const Json& screen : document["screens"]) {
            if (list.screens.size() == kMaxListedWidgets)
                break;
            if (screen.is_string() && !screen.get<std::string>().empty())
                list.screens.push_back(cutText(Json {{"name", screen}}, "name"));
        }
    }
    return list;
}

} // namespace quillon::widgethost
