// The symbols of the studio's rows and buttons: from the desktop's icon theme where it has a
// fitting name, otherwise drawn here, so that no button is ever blank.
#pragma once

#include "scenes/dot_widget_kind.h"

#include <QIcon>

namespace quillon {

enum class Symbol { globe, clock, calendar, barChart, hourglass, textBubble, expand, collapse, sliders, addToDesktop };

Symbol kindSymbol(DotWidgetKind kind);
QIcon symbolIcon(Symbol symbol);

} // namespace quillon
