// Desktop notifications over the session bus.
#include "platform/session_bus/desktop_notification.h"

#include "platform/session_bus/session_bus.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QVariantMap>

namespace quillon {

void notifyDesktop(const QString& desktopEntry, const QString& summary, const QString& body)
{
    auto bus = sessionBus();
    if (!bus)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "Notify");
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
    call << QCoreApplication::applicationName() << 0u << QString("com.quillon.Quillon") << summary << body
         << QStringList {} << QVariantMap {{"desktop-entry", desktopEntry}} << -1;
    bus->send(call);
}

} // namespace quillon
