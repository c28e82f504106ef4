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

void ApplicationAdaptor::Activate(const QVariantMap&)
{
    emit activated();
}

void ApplicationAdaptor::Open(const QStringList& uris, const QVariantMap&)
{
    emit opened(uris);
}

void ApplicationAdaptor::ActivateAction(const QString&, const QVariantList&, const QVariantMap&)
{
    // The studio has no application actions; being asked for one still brings it forward.
    emit activated();
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

    QDBusMessage call;
    if (link) {
        call = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Open");
        call << QStringList {QString::fromStdString(*link)} << QVariantMap {};
    } else {
        call = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Activate");
        call << QVariantMap {};
    }
    const QDBusMessage answer = bus->call(call, QDBus::Block, kForwardTimeoutMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage ? InstanceRole::forwarded : InstanceRole::standalone;
}

} // namespace quillon
