// A widget's menu as the one list of entries a layer surface's menu shows: a popup of a popup is
// more than the host draws, so a submenu's choices go under a heading of their own.
#pragma once

#include "widgethost/host/live_widget.h"
#include "widgethost/layer_shell/layer_menu_entry.h"

#include <vector>

namespace quillon::widgethost {

std::vector<LayerMenuEntry> layerMenuEntriesOf(const std::vector<WidgetMenuItem>& items);

} // namespace quillon::widgethost
