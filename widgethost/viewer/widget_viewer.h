// The host's viewer options, which work alone, with or without a host running, and never touch the
// placed widgets: --list, --timeline, --snapshot, --entities.
#pragma once

#include <QStringList>

namespace quillon::widgethost {

bool isViewerRequest(const QStringList& arguments);
// Runs under a QCoreApplication; returns the exit status (2 for bad arguments).
int runWidgetViewer(const QStringList& arguments);

} // namespace quillon::widgethost
