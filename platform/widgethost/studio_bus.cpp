// Opening links in the studio over the session bus.
#include "platform/widgethost/studio_bus.h"

#include "platform/widgethost/session_bus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QVariantMap>

namespace quillon {
namespace {

// Long enough for the bus to start the studio on a busy machine.
constexpr int kOpenTimeoutMilliseconds = 30'000;

} // namespace

void openInStudio(const QString& link, std::function<void(const QString& reason)> otherwise)
{
    auto bus = sessionBus();
    if (!bus) {
        // Called from the event loop, as a failed call would be.
        QTimer::singleShot(0, [otherwise = std::move(otherwise)] { otherwise("there is no session bus"); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kStudioBusName, kStudioObjectPath, kApplicationInterface, kApplicationOpenMethod);
    call << QStringList {link} << QVariantMap {};
    auto* watcher = new QDBusPendingCallWatcher(bus->asyncCall(call, kOpenTimeoutMilliseconds));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [otherwise = std::move(otherwise)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            if (finished->isError())
                otherwise(finished->error().name() + ": " + finished->error().message());
        });
}

} // namespace quillon
