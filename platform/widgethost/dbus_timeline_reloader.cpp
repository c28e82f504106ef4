// Broadcasting the reload signal on the session bus.
#include "platform/widgethost/dbus_timeline_reloader.h"

#include "platform/widgethost/session_bus.h"

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
