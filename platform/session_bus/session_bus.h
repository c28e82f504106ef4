// The user's D-Bus session bus, when there is one to reach without starting one.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

#include <functional>
#include <optional>

namespace quillon {

// Nothing when no session bus is configured: no DBUS_SESSION_BUS_ADDRESS and no
// $XDG_RUNTIME_DIR/bus. Never lets the D-Bus library launch a bus of its own.
std::optional<QDBusConnection> sessionBus();

// Sends a method call on the session bus without waiting, and hands its reply to `finished` from
// the event loop: the answer, or an error message (without a session bus,
// org.freedesktop.DBus.Error.NoServer).
void callOnSessionBus(const QDBusMessage& call, int timeoutMilliseconds,
    std::function<void(const QDBusMessage& reply)> finished);

} // namespace quillon
