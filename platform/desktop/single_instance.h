// One instance of a program per session: the first to claim its well-known name on the session
// bus is the one; later starts hand their request to it and end.
#pragma once

#include <QDBusConnection>
#include <QString>

namespace quillon {

// Whether this process now owns `name`. It never queues for the name or takes it from its owner.
bool claimBusName(QDBusConnection& bus, const QString& name);

} // namespace quillon
