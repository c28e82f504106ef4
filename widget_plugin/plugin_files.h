// Which plug-in files a host may load: those of its own install, found beside the program (the same
// way in an install and in a build tree), and only where no other user could have put or changed
// them. A plug-in runs with the user's rights, so a folder another user may write is a way into
// every account that loads from it.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quillon::widgethost {

// <program folder>/../lib/quillon/widgets: where an install, and a build tree laid out like one,
// keeps the widget plug-ins.
QString installedPluginFolder();

// Why `file` must not be loaded, or nothing when it may: it, the folder it is in (and, when it is a
// link, the file it leads to and that file's folder) must belong to the user or to root and be
// writable by their owner alone.
std::optional<std::string> untrustedPluginReason(const std::filesystem::path& file);

// The *.so files of `folders` (or `folders` entries that are files themselves) that may be loaded,
// in order; each one left out is told to `log` in one line.
QStringList trustedPluginFiles(
    const QStringList& folders, const std::function<void(const std::string&)>& log);

} // namespace quillon::widgethost
