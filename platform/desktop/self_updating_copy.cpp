#include "platform/desktop/self_updating_copy.h"

#include <unistd.h>

namespace quillon {

namespace fs = std::filesystem;

std::optional<SelfUpdatingInstall> selfUpdatingInstallOf(const fs::path& programDirectory)
{
    std::error_code error;
    const fs::path real = fs::weakly_canonical(programDirectory, error);
    if (error || real.filename() != "bin")
        return std::nullopt;
    const fs::path release = real.parent_path();
    const fs::path versions = release.parent_path();
    const fs::path root = versions.parent_path();
    if (versions.filename() != "versions")
        return std::nullopt;
    const fs::path current = root / "current";
    if (!fs::is_symlink(current, error))
        return std::nullopt;
    const fs::path target = fs::weakly_canonical(current, error);
    if (error || target.parent_path() != versions)
        return std::nullopt;
    if (access(root.c_str(), W_OK) != 0 || access(versions.c_str(), W_OK) != 0)
        return std::nullopt;
    return SelfUpdatingInstall {root, release.filename().string()};
}

fs::path launcherOf(const SelfUpdatingInstall& install, std::string_view program)
{
    return install.root / program;
}

fs::path startingCommandOf(const fs::path& programDirectory, std::string_view program)
{
    if (const auto install = selfUpdatingInstallOf(programDirectory))
        return launcherOf(*install, program);
    return programDirectory / program;
}

} // namespace quillon
