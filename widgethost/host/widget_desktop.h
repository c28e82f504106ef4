// Where the host's widgets appear: windows on an X11 desktop, or layer surfaces of a Wayland
// compositor. The host keeps the widgets; a desktop only shows them and says where new ones go.
#pragma once

#include "widgethost/host/live_widget.h"

#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace quillon::widgethost {

// A place on the desktop: a screen's name and a corner in its coordinates, or, with no name, a
// corner in the whole desktop's coordinates.
struct WidgetPlace {
    std::string screen;
    double x = 0;
    double y = 0;
    // The screen the place is on, for saying where it is: its name, and its area in the same
    // coordinates as the corner. No name when there is no screen at all.
    std::string screenName;
    RectF screenArea;
    bool operator==(const WidgetPlace&) const = default;
};

class WidgetDesktop {
public:
    virtual ~WidgetDesktop() = default;

    // Shows the widget from now on: at its place, moved onto a screen that is there if its own is
    // not. The widget lives until hide() has been called for it.
    virtual void show(LiveWidget& widget) = 0;
    // Stops showing the widget. Safe in the middle of its own menu or pointer events.
    virtual void hide(LiveWidget& widget) = 0;
    // Where a new widget of that size goes: where the user sees it, beside the widget the pointer was
    // last over or else out of the way of windows, clear of the widgets shown and of every one
    // `placed`, which may not be shown yet.
    virtual WidgetPlace placeForNew(QSize size, const std::vector<PlacedWidget>& placed) = 0;

    // The screens (outputs) a widget can be moved to, by name, in the desktop's order.
    virtual std::vector<std::string> screenNames() const = 0;
    // The name of the screen a shown widget is on; empty when it shows on none.
    virtual std::string screenOf(const LiveWidget& widget) const = 0;
    // Where a widget of that size goes on the screen named: as placeForNew, into its top-right corner
    // and on down its right edge, clear of the widgets there. Nothing when no screen has the name.
    virtual std::optional<WidgetPlace> placeOnScreen(
        QSize size, const std::string& screen, const std::vector<PlacedWidget>& placed)
        = 0;
};

} // namespace quillon::widgethost
