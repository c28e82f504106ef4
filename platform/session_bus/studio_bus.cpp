// Opening links in the studio over the session bus.
#include "platform/session_bus/studio_bus.h"

#include "platform/session_bus/session_bus.h"

#include <QDBusMessage>
#include <QVariantMap>

namespace quillon {
namespace {

// Long enough for the bus to start the studio on a busy machine.
constexpr int kOpenTimeoutMilliseconds = 30'000;

} // namespace

QVariantMap platformDataWith(const QString& activationToken)
{
    QVariantMap platformData;
    if (!activationToken.isEmpty())
        platformData.insert(kActivationTokenKey, activationToken);
    return platformData;
}

QString activationTokenOf(const QVariantMap& platformData)
{
    return platformData.value(kActivationTokenKey).toString();
}

void openInStudio(
    const QString& link, std::function<void(const QString& reason)> otherwise, const QString& activationToken)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        kStudioBusName, kStudioObjectPath, kApplicationInterface, kApplicationOpenMethod);
    call << QStringList {link} << platformDataWith(activationToken);
    callOnSessionBus(
        call, kOpenTimeoutMilliseconds, [otherwise = std::move(otherwise)](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage)
                otherwise(reply.errorName() + ": " + reply.errorMessage());
        });
}

} // namespace quillon
