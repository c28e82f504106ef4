// Asking the widget host for a widget, and putting its answer, or the bus's, into words.
#include "platform/widgethost/widget_host_bus.h"

#include "platform/widgethost/session_bus.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace quillon {
namespace {

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString unreachableHostReason(const QString& errorName, const QString& errorMessage)
{
    if (errorName == "org.freedesktop.DBus.Error.ServiceUnknown") {
        //: Why a widget could not be placed: the session bus knows no widget host
        return QCoreApplication::translate("quillon::WidgetHostBus",
            "Quillon Widgets is not installed for this session: the session bus has no service "
            "com.quillon.WidgetHost.");
    }
    if (errorName.startsWith("org.freedesktop.DBus.Error.Spawn.")) {
        //: Why a widget could not be placed; %1 is the session bus's own words, such as "Process
        //: com.quillon.WidgetHost exited with status 1"
        return QCoreApplication::translate("quillon::WidgetHostBus",
            "Quillon Widgets could not start (%1). Run quillon-widgets in a terminal to see why.")
            .arg(errorMessage.left(300));
    }
    if (errorName == "org.freedesktop.DBus.Error.NoReply"
        || errorName == "org.freedesktop.DBus.Error.Timeout") {
        //: Why a widget could not be placed: the widget host took too long
        return QCoreApplication::translate("quillon::WidgetHostBus", "Quillon Widgets did not answer.");
    }
    //: Why a widget could not be placed; %1 is the session bus's error, %2 its words
    return QCoreApplication::translate(
        "quillon::WidgetHostBus", "Quillon Widgets could not be reached: %1 (%2).")
        .arg(errorName.left(120), errorMessage.left(300));
}

void askHostToPlaceWidget(std::string_view kind, std::string_view family,
    std::function<void(bool placed, const QString& message)> answered)
{
    auto bus = sessionBus();
    if (!bus) {
        // Called from the event loop, as an answer from the bus would be.
        QTimer::singleShot(0, [answered = std::move(answered)] {
            //: Why a widget could not be placed
            answered(false,
                QCoreApplication::translate(
                    "quillon::WidgetHostBus", "There is no session bus to reach Quillon Widgets on."));
        });
        return;
    }
    QDBusMessage call
        = QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, kPlaceWidgetMethod);
    call << qText(kind) << qText(family);
    auto* watcher = new QDBusPendingCallWatcher(bus->asyncCall(call, kPlaceWidgetTimeoutMilliseconds));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            const QDBusPendingReply<bool, QString> reply = *finished;
            if (reply.isError()) {
                answered(false, unreachableHostReason(reply.error().name(), reply.error().message()));
                return;
            }
            answered(reply.argumentAt<0>(), reply.argumentAt<1>().left(1000));
        });
}

} // namespace quillon
