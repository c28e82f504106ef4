// Where a new widget goes on a screen or output: where the user sees it, clear of the widgets there
// and of the open windows, which would hide it, as far as the desktop can tell where they are.
#pragma once

#include "platform/geometry/plane.h"

#include <optional>
#include <vector>

namespace quillon::widgethost {

// What a desktop knows of the screen or output a new widget goes on, all in the same coordinates.
struct NewWidgetRoom {
    RectF area;
    // Every widget placed there, shown or not yet: a widget placed a moment ago may have no window
    // or surface yet.
    std::vector<RectF> widgets;
    // The widget the pointer was last over, when it is there: the new one goes beside it.
    std::optional<RectF> pointed;
    // The open windows the desktop can see.
    std::vector<RectF> windows;
    // False where some windows cannot be seen (on Wayland, and for the X11 windows of a Wayland
    // session): new windows open mostly in the middle of the screen, which is then kept free unless
    // the new widget goes beside one there.
    bool seesAllWindows = false;
};

// The points between a new widget and the edges of its screen, when it goes into the corner.
inline constexpr double kNewWidgetMargin = 24;

// Beside the widget the pointer was last over, else into the top-right corner and on down the right
// edge, kNewWidgetMargin in from the edges: the nearest spot clear of the widgets and the windows
// (or the middle), else of the widgets alone, else the wanted spot itself.
PointF newWidgetSpot(SizeF size, const NewWidgetRoom& room);

} // namespace quillon::widgethost
