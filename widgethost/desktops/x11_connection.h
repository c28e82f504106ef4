// The host's X11 connection, shared with Qt, for the window-manager properties Qt does not reach.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillon::widgethost {

// Qt's connection to the X server, or none outside X11 (offscreen, a native Wayland session).
xcb_connection_t* x11Connection();

// The atom of that name, interned if needed; XCB_ATOM_NONE when the server does not answer. Each is
// asked of the server once per connection: an atom stays what it is while the connection lasts.
xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name);

// A window's property of 32-bit items (atoms, windows, cardinals), or nothing when it is missing.
std::vector<std::uint32_t> property(
    xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type);

} // namespace quillon::widgethost
