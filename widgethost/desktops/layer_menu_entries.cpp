// Flattening a widget's menu.
#include "widgethost/desktops/layer_menu_entries.h"

#include <algorithm>

namespace quillon::widgethost {

std::vector<LayerMenuEntry> layerMenuEntriesOf(const std::vector<WidgetMenuItem>& items)
{
    std::vector<LayerMenuEntry> entries;
    for (const WidgetMenuItem& item : items) {
        if (item.title.isEmpty()) {
            entries.push_back({LayerMenuEntry::Kind::separator, {}, false, {}});
        } else if (!item.submenu.empty()) {
            entries.push_back({LayerMenuEntry::Kind::heading, item.title, false, {}});
            for (const WidgetMenuItem& choice : item.submenu) {
                entries.push_back(
                    {choice.checkable ? LayerMenuEntry::Kind::check : LayerMenuEntry::Kind::action,
                        choice.title, choice.checked, choice.action});
            }
            entries.push_back({LayerMenuEntry::Kind::separator, {}, false, {}});
        } else {
            entries.push_back({item.checkable ? LayerMenuEntry::Kind::check : LayerMenuEntry::Kind::action,
                item.title, item.checked, item.action});
        }
    }
    // A separator that another one follows says nothing, and nor does one at either end.
    const auto isSeparator
        = [](const LayerMenuEntry& entry) { return entry.kind == LayerMenuEntry::Kind::separator; };
    entries.erase(std::unique(entries.begin(), entries.end(),
                      [&](const LayerMenuEntry& a, const LayerMenuEntry& b) {
                          return isSeparator(a) && isSeparator(b);
                      }),
        entries.end());
    if (!entries.empty() && isSeparator(entries.back()))
        entries.pop_back();
    if (!entries.empty() && isSeparator(entries.front()))
        entries.erase(entries.begin());
    return entries;
}

} // namespace quillon::widgethost
