// The write-beside-and-rename that keeps an existing output intact when the disk fills up.
#include "tools/render/output_file.h"

#include "platform/io/write_all.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

std::string reason(int error)
{
    return std::strerror(error);
}

std::optional<std::string> writeInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return reason(errno);
    const bool written = writeAll(fd, bytes);
    const int error = errno;
    if (::close(fd) != 0 && written)
        return reason(errno);
    return written ? std::nullopt : std::optional(reason(error));
}

// A name no other run picks at the same moment; O_EXCL still refuses one that is taken.
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned attempt)
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return target.parent_path()
        / (".quillon-render-" + std::to_string(::getpid()) + "-" + std::to_string(ticks) + "-"
            + std::to_string(attempt) + ".tmp");
}

// Where a write through `path` lands, or nothing with `error` set. A symbolic link names where the
// output goes, and renaming over the link would replace the link; one that dangles still leads to the
// file it would create.
std::optional<std::filesystem::path> followLinks(const std::filesystem::path& path, int& error)
{
    std::filesystem::path target = path.has_parent_path() ? path : std::filesystem::path(".") / path;
    for (int hop = 0; hop < 40; ++hop) { // the kernel's own limit before ELOOP
        std::error_code ignored; // a path that is not there is no link: it is where the file goes
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ignored)))
            return target;
        std::error_code readError;
        const std::filesystem::path link = std::filesystem::read_symlink(target, readError);
        if (readError) {
            error = readError.value();
            return std::nullopt;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    error = ELOOP;
    return std::nullopt;
}

} // namespace

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view bytes)
{
    struct stat existing { };
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return writeInPlace(path, bytes); // a folder is refused there, with EISDIR

    int linkError = 0;
    const auto target = followLinks(path, linkError);
    if (!target)
        return reason(linkError);

    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryBeside(*target, attempt);
        // 0666 less the umask, as a file written in place would get.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return reason(errno);
    }
    if (fd < 0)
        return reason(EEXIST);

    bool done = writeAll(fd, bytes);
    // A replaced file keeps the permissions it had, as it would if it had been written in place.
    done = done && (!exists || ::fchmod(fd, existing.st_mode & 0777) == 0);
    // Synced before the rename, or a crash could leave the new name on a file with nothing in it.
    // A file system that cannot sync says EINVAL: there is nothing more to wait for.
    done = done && (::fsync(fd) == 0 || errno == EINVAL);
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.c_str(), target->c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        return reason(error);
    }
    // The rename reaches the disk with the folder; the output is already in place if this fails.
    const int folder = ::open(target->parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

} // namespace quillon
