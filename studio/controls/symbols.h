// The symbols of the studio's rows and buttons: from the desktop's icon theme where it has a
// fitting name, otherwise drawn here, so that no button is ever blank.
#pragma once

#include "scenes/dot_widget_kind.h"

#include <QColor>
#include <QIcon>

namespace quillon {

enum class Symbol {
    globe,
    clock,
    calendar,
    barChart,
    hourglass,
    textBubble,
    expand,
    collapse,
    sliders,
    addToDesktop,
    minusCircleFilled,
    plus,
    magnifyingGlass,
    circularArrows,
    chevronLeft,
    chevronRight,
};

Symbol kindSymbol(DotWidgetKind kind);
QIcon symbolIcon(Symbol symbol);
// Drawn in the given colour, such as the secondary text colour of a quiet button.
QIcon symbolIcon(Symbol symbol, const QColor& ink);

} // namespace quillon
