// Registering and calling org.freedesktop.Application on the session bus.
#include "studio/application/application_service.h"

#include "platform/desktop/single_instance.h"
#include "platform/session_bus/session_bus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace quillon {
namespace {

// A studio that holds the name but does not answer within this long counts as gone.
constexpr int kForwardTimeoutMilliseconds = 5000;

} // namespace

ApplicationAdaptor::ApplicationAdaptor(QObject* application)
    : QDBusAbstractAdaptor(application)
{
}

void ApplicationAdaptor::Activate(const QVariantMap& platformData)
{
    emit activated(activationTokenOf(platformData));
}

void ApplicationAdaptor::Open(const QStringList& uris, const QVariantMap& platformData)
{
    emit opened(uris, activationTokenOf(platformData));
}

void ApplicationAdaptor::ActivateAction(const QString&, const QVariantList&, const QVariantMap& platformData)
{
    // The studio has no application actions; being asked for one still brings it forward.
    emit activated(activationTokenOf(platformData));
}

InstanceRole claimSingleInstance(
    QObject* application, ApplicationAdaptor* adaptor, const std::optional<std::string>& link)
{
    auto bus = sessionBus();
    if (!bus || !bus->interface())
        return InstanceRole::standalone;

    if (claimBusName(*bus, kApplicationBusName)) {
        bus->registerObject(kApplicationObjectPath, application, QDBusConnection::ExportAdaptors);
        Q_UNUSED(adaptor);
        return InstanceRole::primary;
    }

    // The token a launcher gave this start is for the window that comes forward: the other studio's.
    const QVariantMap platformData = platformDataWith(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
    QDBusMessage call;
    if (link) {
        call = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Open");
        call << QStringList {QString::fromStdString(*link)} << platformData;
    } else {
        call = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Activate");
        call << platformData;
    }
    const QDBusMessage answer = bus->call(call, QDBus::Block, kForwardTimeoutMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage ? InstanceRole::forwarded : InstanceRole::standalone;
}

} // namespace quillon
