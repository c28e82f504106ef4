// A folder of a test's own under the system's temporary folder, removed with everything in it when
// the test is done.
#pragma once

#include <filesystem>
#include <stdlib.h>
#include <string>
#include <string_view>
#include <system_error>

namespace quillon::testing {

class ScratchFolder {
public:
    // "<temporary folder>/<prefix>_XXXXXX", made 0700; an empty path when it could not be made.
    explicit ScratchFolder(std::string_view prefix)
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / (std::string(prefix) + "_XXXXXX")).string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace quillon::testing
