// The freedesktop window-manager hints that make a window a desktop widget: below the others, on
// every workspace, out of the task bar and the pager, and in sight when the desktop is shown.
#pragma once

#include <QWidget>

namespace quillon::widgethost {

// Sets _NET_WM_WINDOW_TYPE and the initial _NET_WM_STATE on the widget's X11 window; call before it
// is shown. Does nothing outside X11 (a Wayland session runs the host through XWayland).
void applyDesktopWidgetHints(QWidget& window);

// Asks the window manager to raise the window over the others of its layer, as a pager asks it: the
// window managers that refuse or question a program's own raising obey a pager.
void raiseAmongDesktopWindows(WId window);

// Whether a compositing manager runs, so that windows can be transparent outside rounded corners.
bool compositorRunning();

} // namespace quillon::widgethost
