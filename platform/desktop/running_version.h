// Which versions of a self-updating copy are running. Each program holds a shared lock on the
// folder of the version it runs from for as long as it runs; an update, perhaps in another session,
// keeps every version so held, since its programs still read their files from there.
#pragma once

#include "platform/desktop/self_updating_copy.h"

#include <filesystem>

namespace quillon {

class RunningVersionMark {
public:
    // Marks the version `install` runs from; nothing when it is not known.
    explicit RunningVersionMark(const SelfUpdatingInstall& install);
    ~RunningVersionMark();
    RunningVersionMark(const RunningVersionMark&) = delete;
    RunningVersionMark& operator=(const RunningVersionMark&) = delete;

private:
    int m_folder = -1;
};

// Whether any program holds the mark of the version in `versionFolder`.
bool isVersionRunning(const std::filesystem::path& versionFolder);

} // namespace quillon
