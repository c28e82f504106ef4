// The user's D-Bus session bus, when there is one to reach without starting one.
#pragma once

#include <QDBusConnection>

#include <optional>

namespace quillon {

// Nothing when no session bus is configured: no DBUS_SESSION_BUS_ADDRESS and no
// $XDG_RUNTIME_DIR/bus. Never lets the D-Bus library launch a bus of its own.
std::optional<QDBusConnection> sessionBus();

} // namespace quillon
