#include "updater/download_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace quillon {

FileDescriptor createDownloadFile(const std::filesystem::path& folder, int& error)
{
    FileDescriptor file(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (file.isOpen())
        return file;
    // EISDIR where the kernel knows no O_TMPFILE, EOPNOTSUPP where the file system has none.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        error = errno;
        return file;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        unsigned int salt = 0;
        if (getrandom(&salt, sizeof salt, 0) != static_cast<ssize_t>(sizeof salt))
            salt = static_cast<unsigned int>(attempt);
        const std::filesystem::path name
            = folder / (".download-" + std::to_string(::getpid()) + "-" + std::to_string(salt));
        file.reset(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600));
        if (file.isOpen()) {
            ::unlink(name.c_str());
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    error = errno;
    return file;
}

} // namespace quillon
