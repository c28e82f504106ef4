// Writing the hints with xcb, which Qt's own window flags do not all reach.
#include "widgethost/desktops/desktop_window_hints.h"

#include "widgethost/desktops/x11_connection.h"

#include <QWidget>

#include <array>
#include <cstdlib>

namespace quillon::widgethost {

void applyDesktopWidgetHints(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());

    const xcb_atom_t type = internAtom(connection, "_NET_WM_WINDOW_TYPE_UTILITY");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_WINDOW_TYPE"),
        XCB_ATOM_ATOM, 32, 1, &type);
    const std::array<xcb_atom_t, 4> states {internAtom(connection, "_NET_WM_STATE_BELOW"),
        internAtom(connection, "_NET_WM_STATE_STICKY"), internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
        internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_STATE"),
        XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(states.size()), states.data());
    // On every workspace: the desktop number all workspaces share.
    const std::uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_DESKTOP"),
        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    xcb_flush(connection);
}

bool compositorRunning()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return false;
    // A compositor owns the selection _NET_WM_CM_S<screen number>.
    const xcb_atom_t selection = internAtom(connection, "_NET_WM_CM_S0");
    xcb_get_selection_owner_reply_t* reply
        = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}

} // namespace quillon::widgethost
