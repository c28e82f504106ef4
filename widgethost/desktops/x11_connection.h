// The host's X11 connection, shared with Qt, for the window-manager properties Qt does not reach.
#pragma once

#include <xcb/xcb.h>

#include <string_view>

namespace quillon::widgethost {

// Qt's connection to the X server, or none outside X11 (offscreen, a native Wayland session).
xcb_connection_t* x11Connection();

// The atom of that name, interned if needed; XCB_ATOM_NONE when the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name);

} // namespace quillon::widgethost
