// Finding the session bus without autolaunching one.
#include "platform/widgethost/session_bus.h"

#include <QFileInfo>

#include <cstdlib>

namespace quillon {

std::optional<QDBusConnection> sessionBus()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const bool configured
        = (address && *address) || (runtime && *runtime && QFileInfo::exists(QString(runtime) + "/bus"));
    if (!configured)
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

} // namespace quillon
