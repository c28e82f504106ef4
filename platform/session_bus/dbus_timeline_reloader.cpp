// Broadcasting the reload signal on the session bus.
#include "platform/session_bus/dbus_timeline_reloader.h"

#include "platform/session_bus/session_bus.h"

#include <QDBusMessage>

namespace quillon {

void DBusTimelineReloader::reloadAllTimelines()
{
    // A signal needs no reply, so sending never waits on the listeners.
    if (auto bus = sessionBus())
        bus->send(
            QDBusMessage::createSignal(kTimelinesObjectPath, kTimelinesInterface, kReloadAllTimelinesSignal));
}

} // namespace quillon
