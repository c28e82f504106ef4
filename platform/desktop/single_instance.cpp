#include "platform/desktop/single_instance.h"

#include <QDBusConnectionInterface>

namespace quillon {

bool claimBusName(QDBusConnection& bus, const QString& name)
{
    if (!bus.interface())
        return false;
    const auto registered = bus.interface()->registerService(
        name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    return registered.isValid() && registered.value() == QDBusConnectionInterface::ServiceRegistered;
}

} // namespace quillon
