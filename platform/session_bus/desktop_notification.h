// A notification on the desktop, for a program with no window to say something in.
#pragma once

#include <QString>

namespace quillon {

// Shows `summary` and `body` through org.freedesktop.Notifications on the session bus, as the
// desktop entry `desktopEntry` (which gives it its name and icon). Nothing waits for the answer: a
// desktop without a notification service shows nothing, so whatever is told this way goes to the
// log too.
void notifyDesktop(const QString& desktopEntry, const QString& summary, const QString& body);

} // namespace quillon
