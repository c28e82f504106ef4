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
    // A separator that another one follows says nothing.
    entries.erase(std::unique(entries.begin(), entries.end(),
                      [](const LayerMenuEntry& a, const LayerMenuEntry& b) {
                          return a.kind == LayerMenuEntry::Kind::separator && b.kind == a.kind;
                      }),
        entries.end());
    return entries;
}

} // namespace quillon::widgethost
