// Where the settings are, and bringing those of earlier versions there.
#include "platform/store/settings_folder.h"

#include "platform/log/logger.h"
#include "platform/store/blob_folder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

// A file system that cannot rename across (another mount) gets a copy, made under a temporary name
// and renamed into place so that no half-copied file ever shows, then the original is removed.
bool copyAcross(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const std::filesystem::path temporary = to.parent_path() / ("." + to.filename().string() + ".moving");
    std::error_code error;
    std::filesystem::remove(temporary, error);
    std::filesystem::copy(from, temporary,
        std::filesystem::copy_options::copy_symlinks | std::filesystem::copy_options::recursive, error);
    if (error || ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        const int saved = error ? error.value() : errno;
        std::filesystem::remove_all(temporary, error);
        errno = saved;
        return false;
    }
    std::filesystem::remove_all(from, error);
    return true;
}

// Whether two entries hold the same bytes: regular files compared whole, anything else never the same.
bool sameBytes(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(a, error))
        || !std::filesystem::is_regular_file(std::filesystem::symlink_status(b, error)))
        return false;
    const auto folderA = BlobFolder::openPath(a.parent_path());
    const auto folderB = BlobFolder::openPath(b.parent_path());
    const auto bytesA = folderA ? folderA->read(a.filename().string()) : std::nullopt;
    const auto bytesB = folderB ? folderB->read(b.filename().string()) : std::nullopt;
    return bytesA && bytesB && *bytesA == *bytesB;
}

} // namespace

std::filesystem::path settingsFolder()
{
    return BlobFolder::configHome() / std::string(kSettingsFolderName);
}

const std::vector<std::string_view>& earlierSettingsFolderNames()
{
    // The record's two earlier folders, the studio's own settings (named after the organization's
    // domain), the widget host's folder, and the one the widget plug-in made without using it.
    static const std::vector<std::string_view> names {"Q2LD7X9K4M.com.quillon.Quillon", "com.quillon.Quillon",
        "quillon.com", "quillon-widgets", "com.quillon.Quillon.Lampwork"};
    return names;
}

std::vector<std::string> moveEarlierSettings(
    const std::filesystem::path& configHome, const std::filesystem::path& folder)
{
    std::vector<std::string> lines;
    std::error_code error;
    for (const std::string_view name : earlierSettingsFolderNames()) {
        const std::filesystem::path earlier = configHome / std::string(name);
        if (earlier == folder
            || !std::filesystem::is_directory(std::filesystem::symlink_status(earlier, error)))
            continue;
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::directory_iterator(earlier, error))
            entries.push_back(entry.path());
        if (!entries.empty() && !BlobFolder::openPath(folder)) // makes the folder
            continue;
        for (const std::filesystem::path& from : entries) {
            const std::filesystem::path to = folder / from.filename();
            // Never over a file there: the newer one stays, and so does the earlier one, in its folder.
            if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
                lines.push_back("moved " + from.string() + " to " + to.string());
                continue;
            }
            int reason = errno;
            if (reason == ENOENT) // another program moved it meanwhile
                continue;
            if (reason == EXDEV) {
                if (copyAcross(from, to)) {
                    lines.push_back("moved " + from.string() + " to " + to.string());
                    continue;
                }
                reason = errno;
            }
            if (reason == EEXIST && sameBytes(from, to)) {
                std::filesystem::remove(from, error);
                continue;
            }
            // A different file of the same name: both are kept, the earlier one beside the other.
            const std::filesystem::path beside = folder / (from.filename().string() + ".earlier");
            if (reason == EEXIST
                && ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, beside.c_str(), RENAME_NOREPLACE) == 0) {
                lines.push_back("moved " + from.string() + " to " + beside.string() + ", beside the newer "
                    + to.filename().string());
                continue;
            }
            lines.push_back("could not move " + from.string() + " to " + folder.string() + ": "
                + (reason == EEXIST
                        ? std::string("files of its name are there already; it is left where it is")
                        : std::string(std::strerror(reason))));
        }
        // Only an empty folder goes.
        ::rmdir(earlier.c_str());
    }
    return lines;
}

void moveEarlierSettings()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const Logger log("com.quillon.Quillon", "Settings");
        for (const std::string& line : moveEarlierSettings(BlobFolder::configHome(), settingsFolder()))
            log.notice(line);
    });
}

} // namespace quillon
