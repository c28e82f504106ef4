#include "platform/widgethost/widget_host_bus.h"

#include <QDBusMessage>

namespace quillon {

void askHostToAddWidget(QDBusConnection& bus, std::string_view kind, std::string_view family)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, kAddWidgetMethod);
    call << QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size()))
         << QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    bus.send(call);
}

} // namespace quillon
