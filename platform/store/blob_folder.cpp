// Folder-backed blobs with atomic replacement, read and written through links to the user's files.
#include "platform/store/blob_folder.h"

#include "platform/io/write_all.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::string_view kTemporaryMarker = ".tmp-";

// Closes a descriptor on every path out.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    ~FileDescriptor()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_descriptor; }
    bool close()
    {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return ::close(descriptor) == 0;
    }

private:
    int m_descriptor;
};

// "<key>.tmp-<pid>-<random>": the writer's process id tells whether a leftover is still in use.
std::string temporaryName(std::string_view key)
{
    thread_local std::mt19937_64 random {std::random_device {}()};
    return "." + std::string(key) + std::string(kTemporaryMarker) + std::to_string(::getpid()) + "-"
        + std::to_string(random() % 1'000'000'000);
}

// A writer killed between creating and renaming its temporary file leaves it behind; whoever
// writes next removes those of processes that are gone.
void removeAbandonedTemporaries(const std::filesystem::path& folder, std::string_view key)
{
    const std::string prefix = "." + std::string(key) + std::string(kTemporaryMarker);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const pid_t owner = static_cast<pid_t>(std::strtol(name.c_str() + prefix.size(), nullptr, 10));
        if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry.path(), error);
    }
}

bool isSymbolicLink(const std::filesystem::path& path)
{
    struct stat status { };
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// A link's target counts as the user's file only if it is a regular one the user owns: a link into
// another user's file, a device or a folder is not a record, whoever placed it.
bool isUsersRegularFile(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

// The file that a write under `path` replaces: the final target of a link to a file of the user's,
// else the path itself. A link that leads anywhere else is replaced where it is, never written
// through, so that another user's file or a device stays as it was.
std::filesystem::path writeDestination(const std::filesystem::path& path)
{
    if (!isSymbolicLink(path))
        return path;
    std::error_code error;
    std::filesystem::path target = std::filesystem::canonical(path, error);
    struct stat status { };
    if (error || ::stat(target.c_str(), &status) != 0 || !isUsersRegularFile(status))
        return path;
    return target;
}

// Makes the folder (0700) when it is missing, and the config home above it as the XDG base directory
// rules say, 0700 too. False, with errno, when it is not there afterwards.
bool makeFolder(const std::filesystem::path& folder)
{
    struct stat status { };
    if (::stat(folder.c_str(), &status) == 0) {
        errno = S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
        return S_ISDIR(status.st_mode);
    }
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && ::stat(parent.c_str(), &status) != 0) {
        std::error_code error;
        std::filesystem::create_directories(parent, error);
        if (error) {
            errno = error.value();
            return false;
        }
        ::chmod(parent.c_str(), 0700);
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    errno = 0;
    return true;
}

} // namespace

bool isPlainName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxNameLength && name != "." && name != ".."
        && name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::filesystem::path BlobFolder::configHome()
{
    if (const char* configured = std::getenv("XDG_CONFIG_HOME"); configured && configured[0] == '/')
        return configured;
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::filesystem::path(home) / ".config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return std::filesystem::path(user->pw_dir) / ".config";
    return "/tmp";
}

std::optional<BlobFolder> BlobFolder::open(std::string_view name)
{
    if (!isPlainName(name))
        return std::nullopt;
    return openPath(configHome() / std::string(name));
}

std::optional<BlobFolder> BlobFolder::openPath(const std::filesystem::path& folder)
{
    if (folder.empty())
        return std::nullopt;
    makeFolder(folder);
    return BlobFolder(folder);
}

std::optional<std::string> BlobFolder::read(std::string_view key) const
{
    if (!isPlainName(key)) {
        errno = EINVAL;
        return std::nullopt;
    }
    const std::filesystem::path path = m_path / std::string(key);
    // A plain entry is opened without following links, so one swapped in meanwhile fails to open;
    // O_NONBLOCK keeps a FIFO in the file's place from blocking the open.
    const bool link = isSymbolicLink(path);
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (link ? 0 : O_NOFOLLOW)));
    struct stat status { };
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return std::nullopt;
    if (!S_ISREG(status.st_mode) || (link && !isUsersRegularFile(status))) {
        errno = EINVAL;
        return std::nullopt;
    }
    if (static_cast<std::size_t>(status.st_size) > kMaxBlobBytes) {
        errno = EFBIG;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    while (true) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > kMaxBlobBytes) {
            errno = EFBIG;
            return std::nullopt;
        }
    }
}

bool BlobFolder::contains(std::string_view key) const
{
    struct stat status { };
    return isPlainName(key) && ::lstat((m_path / std::string(key)).c_str(), &status) == 0;
}

bool BlobFolder::write(std::string_view key, std::string_view bytes) const
{
    if (!isPlainName(key) || bytes.size() > kMaxBlobBytes) {
        errno = isPlainName(key) ? EFBIG : EINVAL;
        return false;
    }
    if (!makeFolder(m_path))
        return false;
    const std::filesystem::path destination = writeDestination(m_path / std::string(key));
    // The temporary file goes beside the file it replaces: a rename works within one file system only.
    const std::filesystem::path folderPath = destination.parent_path();
    const std::string name = destination.filename().string();
    removeAbandonedTemporaries(folderPath, name);
    const std::filesystem::path temporary = folderPath / temporaryName(name);
    FileDescriptor file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (file.get() < 0)
        return false;
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temporary.c_str(), destination.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    // The rename itself must reach the disk for the new record to survive a power cut.
    FileDescriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

bool BlobFolder::setAside(std::string_view key) const
{
    const std::string asideName = std::string(key) + std::string(kSetAsideSuffix);
    if (!isPlainName(key) || !isPlainName(asideName)) {
        errno = EINVAL;
        return false;
    }
    if (::rename((m_path / std::string(key)).c_str(), (m_path / asideName).c_str()) != 0)
        return errno == ENOENT;
    FileDescriptor folder(::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

} // namespace quillon
