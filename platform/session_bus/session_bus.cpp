// Finding the session bus without autolaunching one.
#include "platform/session_bus/session_bus.h"

#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QTimer>

#include <dbus/dbus.h>

#include <cstdlib>

namespace quillon {
namespace {

// The largest message the bus delivers (libdbus's own ceiling), and room for a few of them queued.
constexpr long kLargestMessageBytes = 128L * 1024 * 1024;
constexpr long kMostQueuedBytes = 4 * kLargestMessageBytes;

// libdbus stops reading a connection while the messages it has handed out hold more than a limit
// (63 MiB by default), and starts again when they are freed; under QtDBus it never started again,
// so one call of 63 MiB left a program deaf on the bus while it kept its names. With the limit above
// what the bus can deliver, the biggest call is read, answered by the callee's own bounds, and
// freed.
void allowTheLargestMessages(const QDBusConnection& bus)
{
    auto* connection = static_cast<DBusConnection*>(bus.internalPointer());
    if (!connection)
        return;
    dbus_connection_set_max_message_size(connection, kLargestMessageBytes);
    dbus_connection_set_max_received_size(connection, kMostQueuedBytes);
}

} // namespace

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
    static const bool widened = (allowTheLargestMessages(bus), true);
    (void)widened;
    return bus;
}

void callOnSessionBus(const QDBusMessage& call, int timeoutMilliseconds,
    std::function<void(const QDBusMessage& reply)> finished)
{
    auto bus = sessionBus();
    if (!bus) {
        QTimer::singleShot(0, [call, finished = std::move(finished)] {
            finished(call.createErrorReply(QDBusError::NoServer, "there is no session bus"));
        });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus->asyncCall(call, timeoutMilliseconds));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [finished = std::move(finished)](QDBusPendingCallWatcher* done) {
            done->deleteLater();
            finished(done->reply());
        });
}

} // namespace quillon
