// The windows the user has open, as the window manager lists them: a new widget goes where none of
// them hides it.
#pragma once

#include <QRect>
#include <QWidget>

#include <vector>

namespace quillon::widgethost {

// The frames, in Qt's desktop coordinates, of the windows on the current workspace that are not
// minimised, leaving out the desktop itself and `own`. Empty outside X11 or without a window
// manager that keeps _NET_CLIENT_LIST.
std::vector<QRect> openWindowFrames(const std::vector<WId>& own);

} // namespace quillon::widgethost
