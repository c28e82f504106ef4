// The windows the user has open, as the window manager lists and stacks them: a new widget goes
// where none of them hides it, and the widgets stay over another program's desktop window.
#pragma once

#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

namespace quillon::widgethost {

// The frames, in Qt's desktop coordinates, of the windows on the current workspace that are not
// minimised, leaving out the desktop itself and `own`. Empty outside X11 or without a window
// manager that keeps _NET_CLIENT_LIST.
std::vector<QRect> openWindowFrames(const std::vector<WId>& own);

// Those of `own` that another program's desktop window (a file manager's desktop, Plasma's) is
// stacked over, from the lowest up. Window managers keep desktop windows together under all others
// and raise the one clicked among them, so a click on the desktop hides the widgets under it.
std::vector<WId> ownWindowsUnderOtherDesktops(const std::vector<WId>& own);

// The same decision over `stacking`, a window manager's stacking order from the bottom up, where
// `isDesktop` tells the windows of type desktop; it is asked only of windows above the lowest of
// `own`.
std::vector<WId> windowsUnderOtherDesktops(
    const std::vector<WId>& stacking, const std::vector<WId>& own, const std::function<bool(WId)>& isDesktop);

} // namespace quillon::widgethost
