// The freedesktop window-manager hints that make a window a desktop widget: below the others, on
// every workspace, out of the task bar and the pager.
#pragma once

class QWidget;

namespace quillon::widgethost {

// Sets _NET_WM_WINDOW_TYPE and the initial _NET_WM_STATE on the widget's X11 window; call before it
// is shown. Does nothing outside X11 (a Wayland session runs the host through XWayland).
void applyDesktopWidgetHints(QWidget& window);

// Whether a compositing manager runs, so that windows can be transparent outside rounded corners.
bool compositorRunning();

} // namespace quillon::widgethost
