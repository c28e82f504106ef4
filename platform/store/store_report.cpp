// Telling apart the reasons a settings file could not be written or read.
#include "platform/store/store_report.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

// The nearest folder on the way to `path` that exists: a folder that could not be made is refused by
// the one above it.
std::filesystem::path nearestExisting(std::filesystem::path path)
{
    struct stat status { };
    while (!path.empty() && path != path.root_path() && ::lstat(path.c_str(), &status) != 0)
        path = path.parent_path();
    return path;
}

} // namespace

StoreProblem problemOfWriteError(int error, const std::filesystem::path& folder)
{
    switch (error) {
    case EROFS:
        return StoreProblem::readOnly;
    case ENOSPC:
    case EDQUOT:
        return StoreProblem::diskFull;
    case ENOTDIR:
    case EEXIST:
        return StoreProblem::notAFolder;
    case EFBIG:
        return StoreProblem::tooLarge;
    case EACCES:
    case EPERM: {
        struct stat status { };
        const std::filesystem::path existing = nearestExisting(folder);
        if (::stat(existing.c_str(), &status) == 0 && status.st_uid != ::geteuid())
            return StoreProblem::notOurs;
        return StoreProblem::readOnly;
    }
    default:
        return StoreProblem::other;
    }
}

StoreProblem problemOfReadError(int error)
{
    switch (error) {
    case EFBIG:
        return StoreProblem::tooLarge;
    case EACCES:
    case EPERM:
    case ELOOP:
    case EINVAL:
    case EISDIR:
    case ENOENT: // a link that leads nowhere
        return StoreProblem::unreadable;
    default:
        return StoreProblem::other;
    }
}

std::string describe(const StoreReport& report)
{
    const std::string path = report.path.string();
    switch (report.problem) {
    case StoreProblem::none:
        return path + ": saved";
    case StoreProblem::readOnly:
        return path + ": the folder may not be written (read-only)";
    case StoreProblem::diskFull:
        return path + ": the disk is full";
    case StoreProblem::notOurs:
        return path + ": the folder belongs to another user";
    case StoreProblem::notAFolder:
        return path + ": something that is not a folder stands in the folder's place";
    case StoreProblem::unreadable:
        if (report.error == EINVAL)
            return path + " could not be read: it is not a regular file of the user's";
        return path + " could not be read"
            + (report.error ? ": " + std::string(std::strerror(report.error)) : "");
    case StoreProblem::damaged:
        return path + " is damaged: it does not hold what it should";
    case StoreProblem::tooLarge:
        return path + ": too large";
    case StoreProblem::notRepresentable:
        return path + ": JSON cannot hold it (a date that is not a number, or text that is not UTF-8)";
    case StoreProblem::other:
        break;
    }
    return path + ": " + std::strerror(report.error);
}

} // namespace quillon
