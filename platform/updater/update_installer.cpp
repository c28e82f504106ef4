// Unpacking with the system's tar, switching with rename(2) of a symbolic link.
#include "platform/updater/update_installer.h"

#include "platform/updater/update_signature.h"

#include <QProcess>
#include <QStringList>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramName = "quillon";

// A version becomes a folder name: plain characters only, so that no feed can write elsewhere.
bool isSafeFolderName(std::string_view name)
{
    if (name.empty() || name.size() > 64 || name.front() == '.')
        return false;
    for (char character : name) {
        const bool plain = (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
                           (character >= '0' && character <= '9') || character == '.' || character == '-' ||
                           character == '_' || character == '+';
        if (!plain)
            return false;
    }
    return true;
}

bool isRelease(const fs::path& folder)
{
    std::error_code error;
    const fs::path program = folder / "bin" / kProgramName;
    return fs::is_regular_file(program, error) && access(program.c_str(), X_OK) == 0;
}

// The folder's entries reach the disk before anyone relies on them.
void syncFolder(const fs::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        ::close(descriptor);
    }
}

std::optional<std::string> readWhole(const fs::path& file, std::uintmax_t expectedLength)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size != expectedLength || size > kMaxArchiveBytes)
        return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (bytes.size() != expectedLength)
        return std::nullopt;
    return bytes;
}

InstallOutcome refuse(const fs::path& archive, std::string error)
{
    std::error_code ignored;
    fs::remove(archive, ignored);
    return {false, std::move(error), {}};
}

// The one entry of a folder, when it is a real folder (not a link); nothing otherwise.
std::optional<fs::path> onlyFolderIn(const fs::path& folder)
{
    std::error_code error;
    std::optional<fs::path> only;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (only)
            return std::nullopt;
        only = entry.path();
    }
    if (error || !only || fs::is_symlink(*only, error) || !fs::is_directory(*only, error))
        return std::nullopt;
    return only;
}

// Unpacks into `into`, which must not exist yet; the release folder inside it, or nothing.
std::optional<fs::path> unpack(const fs::path& archive, const fs::path& into)
{
    std::error_code error;
    if (!fs::create_directory(into, error))
        return std::nullopt;
    QProcess tar;
    tar.start("tar", {"-x", "-z", "-f", QString::fromStdString(archive.string()), "-C",
                      QString::fromStdString(into.string()), "--no-same-owner", "--no-same-permissions"});
    if (!tar.waitForFinished(5 * 60 * 1000) || tar.exitStatus() != QProcess::NormalExit || tar.exitCode() != 0)
        return std::nullopt;
    if (isRelease(into))
        return into;
    // Release archives carry one top folder (Quillon-1.2.0-Linux/), as packaging tools make them:
    // the release itself, or the download's own layout with the release in versions/<version>/.
    const std::optional<fs::path> top = onlyFolderIn(into);
    if (!top)
        return std::nullopt;
    if (isRelease(*top))
        return top;
    const std::optional<fs::path> version = onlyFolderIn(*top / "versions");
    if (version && isRelease(*version))
        return version;
    return std::nullopt;
}

// Versions other than the current one, the one before it and the one that runs go.
void removeOldVersions(const fs::path& versions, const std::vector<fs::path>& keep)
{
    std::error_code error;
    std::vector<fs::path> going;
    for (const fs::directory_entry& entry : fs::directory_iterator(versions, error)) {
        if (std::find(keep.begin(), keep.end(), entry.path().filename()) == keep.end())
            going.push_back(entry.path());
    }
    for (const fs::path& folder : going)
        fs::remove_all(folder, error);
}

// Everything unpacked reaches the disk before `current` names it: otherwise a crash soon after could
// leave the link on disk and the files it leads to empty.
void syncFilesystem(const fs::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        syncfs(descriptor);
        ::close(descriptor);
    }
}

} // namespace

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
    return SelfUpdatingInstall{root, release.filename().string()};
}

InstallOutcome installDownloadedUpdate(const SelfUpdatingInstall& install, const fs::path& archive,
                                       const AppcastItem& item, std::string_view publicKeyBase64)
{
    const std::optional<std::string> bytes = readWhole(archive, item.enclosure.length);
    if (!bytes)
        return refuse(archive, "The download is not the size the update feed gives for it.");
    if (!hasValidSignature(*bytes, item.enclosure.edSignature, publicKeyBase64))
        return refuse(archive, "The download is not signed by the publisher of this program.");
    if (!isSafeFolderName(item.version))
        return refuse(archive, "The update's version cannot name a folder.");

    const fs::path versions = install.root / "versions";
    const fs::path current = install.root / "current";
    std::error_code error;
    const fs::path previous = fs::read_symlink(current, error).filename();
    // A fresh name, also when this version was installed before.
    fs::path folderName = item.version;
    for (int attempt = 2; fs::exists(versions / folderName, error); ++attempt)
        folderName = item.version + "-" + std::to_string(attempt);
    const fs::path unpacking = versions / (".unpacking-" + std::to_string(getpid()));
    fs::remove_all(unpacking, error);

    const std::optional<fs::path> release = unpack(archive, unpacking);
    fs::remove(archive, error);
    if (!release) {
        fs::remove_all(unpacking, error);
        return {false, "The update could not be unpacked as a release of this program.", {}};
    }
    std::error_code moved;
    fs::rename(*release, versions / folderName, moved);
    fs::remove_all(unpacking, error);
    if (moved)
        return {false, "The update could not be put beside the installed version: " + moved.message(), {}};
    syncFilesystem(versions / folderName);
    syncFolder(versions);

    // The switch: a new link under a temporary name, renamed over the old one in a single step.
    const fs::path link = install.root / (".current-" + std::to_string(getpid()));
    fs::remove(link, error);
    std::error_code switched;
    fs::create_directory_symlink(fs::path("versions") / folderName, link, switched);
    if (!switched)
        fs::rename(link, current, switched);
    if (switched) {
        fs::remove(link, error);
        fs::remove_all(versions / folderName, error);
        return {false, "The new version could not be made current: " + switched.message(), {}};
    }
    syncFolder(install.root);
    removeOldVersions(versions, {folderName, previous, fs::path(install.runningVersion)});
    return {true, {}, current / "bin" / kProgramName};
}

} // namespace quillon
