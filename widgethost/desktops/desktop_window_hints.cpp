// Writing the hints with xcb, which Qt's own window flags do not all reach.
#include "widgethost/desktops/desktop_window_hints.h"

#include "widgethost/desktops/x11_connection.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace quillon::widgethost {
namespace {

// Qt puts every window of a program in one group, led by a hidden window of its own, and window
// managers treat a group as one application: KWin lifts every window of a group that holds a desktop
// window over the others while the desktop is shown, so any other window of the host's, a message
// box say, would come up with the widgets. Without a group (WM_HINTS) or a client leader, which KWin
// falls back on, each widget stands alone.
void leaveTheHostsGroup(xcb_connection_t* connection, xcb_window_t window)
{
    // WM_HINTS: flags, input, initial state, icon pixmap, icon window, icon x, icon y, icon mask, group.
    constexpr std::uint32_t kFields = 9;
    constexpr std::uint32_t kGroupFlag = 1U << 6;
    std::vector<std::uint32_t> hints = property(connection, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS);
    if (!hints.empty()) {
        hints.resize(kFields);
        hints[0] &= ~kGroupFlag;
        hints[kFields - 1] = XCB_WINDOW_NONE;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
            32, kFields, hints.data());
    }
    xcb_delete_property(connection, window, internAtom(connection, "WM_CLIENT_LEADER"));
}

} // namespace

void applyDesktopWidgetHints(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());

    // The type desktop widgets take (conky's windows of type desktop, for one). Window managers keep
    // such windows under every other, on every workspace and out of task bars, pagers and switchers,
    // and in sight when the user shows the desktop, which hides windows of every other type, a
    // utility window among them: openbox's Show Desktop unmaps the others, Mutter hides them and
    // KWin's Peek at Desktop lifts the desktop windows over them. A click on one gives it the focus,
    // as a click on the desktop does, for its menu's key, but lifts it over no normal window, and it
    // stays where it asks to be, under Mutter too.
    // Window managers leave moving a desktop window to the program: a widget moves itself when
    // dragged.
    // They do lift the desktop's own window (Plasma's, a file manager's) over it when that is
    // clicked, which WindowDesktop undoes.
    const xcb_atom_t type = internAtom(connection, "_NET_WM_WINDOW_TYPE_DESKTOP");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_WINDOW_TYPE"),
        XCB_ATOM_ATOM, 32, 1, &type);
    // The same again as states, for window managers that go by them rather than by the type.
    const std::array<xcb_atom_t, 4> states {internAtom(connection, "_NET_WM_STATE_BELOW"),
        internAtom(connection, "_NET_WM_STATE_STICKY"), internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
        internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_STATE"),
        XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(states.size()), states.data());
    // On every workspace: the desktop number all workspaces share.
    const std::uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, internAtom(connection, "_NET_WM_DESKTOP"),
        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    leaveTheHostsGroup(connection, id);
    xcb_flush(connection);
}

void raiseAmongDesktopWindows(WId window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // _NET_RESTACK_WINDOW: the source (2, a pager), no sibling, and Above.
    constexpr std::uint32_t kFromPager = 2;
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = internAtom(connection, "_NET_RESTACK_WINDOW");
    message.data.data32[0] = kFromPager;
    message.data.data32[1] = XCB_WINDOW_NONE;
    message.data.data32[2] = XCB_STACK_MODE_ABOVE;
    xcb_send_event(connection, 0, root,
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&message));
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
