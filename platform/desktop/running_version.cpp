#include "platform/desktop/running_version.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace quillon {
namespace {

int openFolder(const std::filesystem::path& folder)
{
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

RunningVersionMark::RunningVersionMark(const SelfUpdatingInstall& install)
{
    if (install.runningVersion.empty())
        return;
    m_folder = openFolder(install.root / "versions" / install.runningVersion);
    // The lock goes with the descriptor, and with the process however it ends.
    if (m_folder >= 0 && ::flock(m_folder, LOCK_SH | LOCK_NB) != 0) {
        ::close(m_folder);
        m_folder = -1;
    }
}

RunningVersionMark::~RunningVersionMark()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

bool isVersionRunning(const std::filesystem::path& versionFolder)
{
    const int folder = openFolder(versionFolder);
    if (folder < 0)
        return false;
    const bool held = ::flock(folder, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(folder); // and the test lock with it
    return held;
}

} // namespace quillon
