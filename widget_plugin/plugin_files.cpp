#include "widget_plugin/plugin_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillon::widgethost {
namespace {

namespace fs = std::filesystem;

// Why the file or folder at `path` (followed if a link) is open to other users, or nothing.
std::optional<std::string> openToOthers(const fs::path& path, const char* what)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return std::string(what) + " " + path.string() + " cannot be read: " + std::strerror(errno);
    if (status.st_uid != 0 && status.st_uid != ::geteuid())
        return std::string(what) + " " + path.string() + " belongs to another user (uid "
            + std::to_string(status.st_uid) + ")";
    // Group-writable too: a group is other users, whatever it is called. A sticky folder such as
    // /tmp still lets anyone add files beside ours.
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return std::string(what) + " " + path.string() + " is writable by other users";
    return std::nullopt;
}

} // namespace

QString installedPluginFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../lib/quillon/widgets");
}

std::optional<std::string> untrustedPluginReason(const fs::path& file)
{
    const fs::path absolute = fs::absolute(file).lexically_normal();
    if (auto reason = openToOthers(absolute.parent_path(), "its folder"))
        return reason;
    if (auto reason = openToOthers(absolute, "the file"))
        return reason;
    std::error_code error;
    const fs::path real = fs::canonical(absolute, error);
    if (error)
        return "the file " + absolute.string() + " cannot be resolved: " + error.message();
    if (real != absolute) {
        if (auto reason = openToOthers(real.parent_path(), "the folder of the file it leads to"))
            return reason;
        if (auto reason = openToOthers(real, "the file it leads to"))
            return reason;
    }
    return std::nullopt;
}

QStringList trustedPluginFiles(const QStringList& folders, const std::function<void(const std::string&)>& log)
{
    QStringList trusted;
    for (const QString& folder : folders) {
        QFileInfoList candidates;
        if (QFileInfo(folder).isFile())
            candidates << QFileInfo(folder);
        else
            candidates = QDir(folder).entryInfoList({"*.so"}, QDir::Files, QDir::Name);
        for (const QFileInfo& candidate : candidates) {
            const std::string path = candidate.absoluteFilePath().toStdString();
            if (const auto reason = untrustedPluginReason(path))
                log("not loading the plug-in " + path + ": " + *reason);
            else
                trusted << candidate.absoluteFilePath();
        }
    }
    return trusted;
}

} // namespace quillon::widgethost
