#include "platform/desktop/self_updating_copy.h"

#include <unistd.h>

#include <fstream>

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

namespace {

constexpr const char* kTrialFile = ".new-version";
constexpr const char* kRolledBackFile = ".rolled-back";
constexpr std::size_t kMostNoteBytes = 256;

std::string firstLine(const fs::path& file)
{
    std::ifstream stream(file);
    std::string line;
    std::getline(stream, line);
    return line.substr(0, kMostNoteBytes);
}

} // namespace

bool markOnTrial(const SelfUpdatingInstall& install, const std::string& version, const std::string& previous,
    const std::string& build)
{
    const fs::path temporary = install.root / (std::string(kTrialFile) + "-" + std::to_string(::getpid()));
    {
        std::ofstream stream(temporary, std::ios::trunc);
        stream << version << '\n' << previous << '\n' << build << '\n';
        stream.flush();
        if (!stream)
            return false;
    }
    return ::rename(temporary.c_str(), (install.root / kTrialFile).c_str()) == 0;
}

void confirmVersionStarted(const SelfUpdatingInstall& install)
{
    if (!install.runningVersion.empty() && firstLine(install.root / kTrialFile) == install.runningVersion)
        endTrial(install);
}

void endTrial(const SelfUpdatingInstall& install)
{
    std::error_code ignored;
    fs::remove(install.root / kTrialFile, ignored);
}

std::optional<std::string> takeRolledBackVersion(const SelfUpdatingInstall& install)
{
    const fs::path note = install.root / kRolledBackFile;
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(note, error)))
        return std::nullopt;
    const std::string version = firstLine(note);
    fs::remove(note, error);
    if (version.empty())
        return std::nullopt;
    return version;
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
