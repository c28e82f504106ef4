// Asking the widget host for a widget, and putting its answer, or the bus's, into words.
#include "platform/session_bus/widget_host_bus.h"

#include "platform/session_bus/session_bus.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace quillon {
namespace {

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString unreachableHostReason(const QString& errorName, const QString& errorMessage)
{
    if (errorName == "org.freedesktop.DBus.Error.NoServer") {
        //: Why a widget could not be placed
        return QCoreApplication::translate(
            "quillon::WidgetHostBus", "There is no session bus to reach Quillon Widgets on.");
    }
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

void askHostToShowGallery(std::function<void(const QString& reason)> failed)
{
    const QDBusMessage call
        = QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, kShowGalleryMethod);
    callOnSessionBus(
        call, kPlaceWidgetTimeoutMilliseconds, [failed = std::move(failed)](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                failed(unreachableHostReason(reply.errorName(), reply.errorMessage()));
        });
}

void askHostToPlaceWidget(std::string_view kind, std::string_view family,
    std::function<void(bool placed, const QString& message)> answered)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, kPlaceWidgetMethod);
    call << qText(kind) << qText(family);
    callOnSessionBus(
        call, kPlaceWidgetTimeoutMilliseconds, [answered = std::move(answered)](const QDBusMessage& reply) {
            const QList<QVariant> values = reply.arguments();
            if (reply.type() == QDBusMessage::ErrorMessage)
                answered(false, unreachableHostReason(reply.errorName(), reply.errorMessage()));
            else if (values.size() == 2 && values[0].metaType() == QMetaType::fromType<bool>())
                answered(values[0].toBool(), values[1].toString().left(1000));
            else
                answered(false,
                    unreachableHostReason("org.freedesktop.DBus.Error.InvalidSignature", reply.signature()));
        });
}

} // namespace quillon
