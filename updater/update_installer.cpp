// Checking and unpacking in two passes over one open file, switching with rename(2) of a link.
//
// The first pass checks the signature, the second unpacks; both feed a digest of what they read,
// and the release is taken only when the two agree. So the bytes unpacked are the bytes checked,
// whatever happens to the file meanwhile, and libarchive never reads an unsigned archive through.
#include "updater/update_installer.h"

#include "platform/command_line/echoed_value.h"
#include "platform/desktop/running_version.h"
#include "updater/file_descriptor.h"
#include "updater/release_probe.h"
#include "updater/release_record.h"
#include "updater/release_unpacker.h"
#include "updater/update_signature.h"
#include "updater/version_order.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramName = "quillon";
constexpr std::size_t kReadBytes = 256 * 1024;
// Of what a studio that would not start said, for the user to look up.
constexpr std::size_t kMostQuotedCharacters = 200;

// A version becomes a folder name: plain characters only, so that no feed can write elsewhere.
bool isSafeFolderName(std::string_view name)
{
    if (name.empty() || name.size() > 64 || name.front() == '.')
        return false;
    for (char character : name) {
        const bool plain = (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z')
            || (character >= '0' && character <= '9') || character == '.' || character == '-'
            || character == '_' || character == '+';
        if (!plain)
            return false;
    }
    return true;
}

bool isRelease(const fs::path& folder)
{
    std::error_code error;
    const fs::path program = folder / "bin" / kProgramName;
    return fs::is_regular_file(fs::symlink_status(program, error)) && access(program.c_str(), X_OK) == 0;
}

bool isRealFolder(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(fs::symlink_status(folder, error));
}

// The folder's entries reach the disk before anyone relies on them.
void syncFolder(const fs::path& folder)
{
    const FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.isOpen())
        fsync(descriptor.get());
}

// Everything unpacked reaches the disk before `current` names it: otherwise a crash soon after could
// leave the link on disk and the files it leads to empty. The error, if any: a disk that filled
// up after accepting the writes says so only here.
int syncFilesystem(const fs::path& folder)
{
    const FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor.isOpen() || syncfs(descriptor.get()) != 0)
        return errno;
    return 0;
}

bool isDiskFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

// A message for the user, in their language: `parts` fill its %1, %2… in one pass, so that a path
// that holds "%1" stays as it is.
template <typename... Parts> std::string message(const char* source, const Parts&... parts)
{
    const QString text = QCoreApplication::translate("quillon::UpdateInstaller", source);
    if constexpr (sizeof...(parts) == 0)
        return text.toStdString();
    else
        return text.arg(QString::fromStdString(std::string(parts))...).toStdString();
}

std::string noSpaceIn(const fs::path& folder)
{
    return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                       "There is not enough space on the disk to unpack the update in %1."),
        folder.string());
}

std::string cannotUnpackIn(const fs::path& folder, int error)
{
    return message(
        QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The update could not be unpacked in %1: %2."),
        folder.string(), std::strerror(error));
}

using Digest = std::array<unsigned char, crypto_generichash_BYTES>;

// Reads the archive from its start, at most its announced length, into a digest; reports progress
// and stops when asked.
class ArchivePass final : public ArchiveInput {
public:
    ArchivePass(int file, std::uint64_t length, std::uint64_t progressBase, const InstallProgress& progress,
        std::stop_token stop)
        : m_file(file)
        , m_length(length)
        , m_progressBase(progressBase)
        , m_progress(progress)
        , m_stop(std::move(stop))
    {
        crypto_generichash_init(&m_digest, nullptr, 0, m_digestBytes.size());
    }

    std::ptrdiff_t read(char* buffer, std::size_t capacity) override
    {
        if (m_stop.stop_requested()) {
            m_error = ECANCELED;
            return -1;
        }
        const std::size_t wanted
            = static_cast<std::size_t>(std::min<std::uint64_t>(capacity, m_length - m_offset));
        if (wanted == 0)
            return 0;
        ssize_t count = 0;
        do
            count = pread(m_file, buffer, wanted, static_cast<off_t>(m_offset));
        while (count < 0 && errno == EINTR);
        if (count < 0) {
            m_error = errno;
            return -1;
        }
        m_offset += static_cast<std::uint64_t>(count);
        crypto_generichash_update(
            &m_digest, reinterpret_cast<const unsigned char*>(buffer), static_cast<std::size_t>(count));
        if (m_progress)
            m_progress(m_progressBase + m_offset, 2 * m_length);
        return count;
    }

    // Reads what the consumer left unread, so that the digest covers the whole length.
    bool readToEnd(const std::function<void(std::string_view)>& consume = {})
    {
        std::vector<char> buffer(kReadBytes);
        for (;;) {
            const std::ptrdiff_t count = read(buffer.data(), buffer.size());
            if (count < 0)
                return false;
            if (count == 0)
                return true;
            if (consume)
                consume({buffer.data(), static_cast<std::size_t>(count)});
        }
    }

    // The whole announced length was read: the file was not cut short meanwhile.
    bool readAll() const { return m_offset == m_length; }
    int error() const { return m_error; }
    Digest digest()
    {
        crypto_generichash_final(&m_digest, m_digestBytes.data(), m_digestBytes.size());
        return m_digestBytes;
    }

private:
    int m_file;
    std::uint64_t m_length;
    std::uint64_t m_progressBase;
    const InstallProgress& m_progress;
    std::stop_token m_stop;
    std::uint64_t m_offset = 0;
    int m_error = 0;
    crypto_generichash_state m_digest {};
    Digest m_digestBytes {};
};

std::string readFailure(const ArchivePass& pass)
{
    if (pass.error() == ECANCELED)
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "Installing the update was stopped."));
    return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The download could not be read: %1"),
        std::strerror(pass.error()));
}

std::string unpackFailure(const UnpackResult& result, const ArchivePass& pass, const fs::path& versions)
{
    switch (result.problem) {
    case UnpackProblem::none:
        break;
    case UnpackProblem::malformed:
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The update could not be unpacked: %1."),
            result.detail);
    case UnpackProblem::forbiddenEntry:
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update holds something no release of this program has (%1): only "
                           "files, folders and links inside the release are taken."),
            result.detail);
    case UnpackProblem::tooLarge:
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update unpacks to more than a release of this program can be (%1)."),
            result.detail);
    case UnpackProblem::noSpace:
        return noSpaceIn(versions);
    case UnpackProblem::writeFailed:
        return message(
            QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The update could not be unpacked in %1: %2."),
            versions.string(), result.detail);
    case UnpackProblem::inputFailed:
        return readFailure(pass);
    }
    return {};
}

// The release inside the unpacked archive, or nothing. Release archives carry one top folder
// (Quillon-1.2.0-Linux/), as packaging tools make them: the release itself, or the download's own
// layout with the release in versions/<version>/. No step of the way may be a link: a link named
// versions could lead anywhere on the disk.
std::optional<fs::path> findRelease(const fs::path& unpacked)
{
    if (isRelease(unpacked))
        return unpacked;
    std::error_code error;
    std::vector<fs::path> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(unpacked, error))
        entries.push_back(entry.path());
    if (error || entries.size() != 1 || !isRealFolder(entries.front()))
        return std::nullopt;
    const fs::path top = entries.front();
    if (isRelease(top))
        return top;
    const fs::path versions = top / "versions";
    if (!isRealFolder(versions))
        return std::nullopt;
    entries.clear();
    for (const fs::directory_entry& entry : fs::directory_iterator(versions, error))
        entries.push_back(entry.path());
    if (error || entries.size() != 1 || !isRealFolder(entries.front()) || !isRelease(entries.front()))
        return std::nullopt;
    return entries.front();
}

bool isInside(const fs::path& path, const fs::path& folder)
{
    const auto [end, ignored] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return end == folder.end();
}

// Every link in the release leads to something inside it, on the text and on the disk: a chain of
// links that each look harmless can still climb out.
bool linksStayInside(
    const std::vector<UnpackedLink>& links, const fs::path& unpacked, const fs::path& release)
{
    std::error_code error;
    const fs::path realRelease = fs::canonical(release, error);
    if (error)
        return false;
    const std::string floor = release.lexically_relative(unpacked).lexically_normal().generic_string();
    for (const UnpackedLink& link : links) {
        const fs::path at = unpacked / link.path;
        if (!isInside(at.lexically_normal(), release.lexically_normal()))
            continue; // beside the release, left behind with the rest of the archive
        if (!linkStaysWithin(link.path, link.target, floor == "." ? "" : floor))
            return false;
        const fs::path leadsTo = fs::canonical(at, error);
        if (error || !isInside(leadsTo, realRelease))
            return false;
    }
    return true;
}

// Versions other than the current one, the one before it and the ones still running (here or in
// another session) go.
void removeOldVersions(const fs::path& versions, const std::vector<fs::path>& keep)
{
    std::error_code error;
    std::vector<fs::path> going;
    for (const fs::directory_entry& entry : fs::directory_iterator(versions, error)) {
        const fs::path name = entry.path().filename();
        if (!name.string().starts_with('.') && std::find(keep.begin(), keep.end(), name) == keep.end()
            && !isVersionRunning(entry.path()))
            going.push_back(entry.path());
    }
    for (const fs::path& folder : going)
        fs::remove_all(folder, error);
}

InstallOutcome failure(std::string error)
{
    return {false, std::move(error), {}};
}

// Why the release's own record rules it out, or nothing when it is the one announced and newer.
std::optional<std::string> recordProblem(const fs::path& release, const AppcastItem& item,
    const ReleaseRequirements& requirements, const SelfUpdatingInstall& install)
{
    const std::optional<ReleaseRecord> record = readReleaseRecord(release);
    if (!record)
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
            "The update does not say which program and version it is, as every "
            "release of this program does."));
    if (record->identifier != requirements.identifier)
        return message(
            QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The update is a release of another program (%1)."),
            record->identifier);
    if (compareVersions(record->version, item.version) != 0)
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update is build %1, not build %2 as the update feed announced."),
            record->version, item.version);
    if (compareVersions(record->version, requirements.currentVersion) <= 0)
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update is build %1, which is not newer than build %2 that runs now."),
            record->version, requirements.currentVersion);
    // A copy running in another session may have installed a newer build meanwhile: an older
    // one, though newer than this program, must not replace it.
    const std::optional<ReleaseRecord> current = readReleaseRecord(install.root / "current");
    if (current && compareVersions(record->version, current->version) <= 0)
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update is build %1, which is not newer than build %2 installed already."),
            record->version, current->version);
    return std::nullopt;
}

// What a failed start said first ("error while loading shared libraries: …"), quoted safely: it is
// whatever the program wrote, cut whole characters at a time.
std::string firstLineOf(const std::string& output)
{
    return echoedValue(std::string_view(output).substr(0, output.find('\n')), kMostQuotedCharacters);
}

// Why the release's studio does not start on this machine, or nothing when it answers --version
// with the build it is meant to be.
std::optional<std::string> startProblem(const fs::path& release, const AppcastItem& item,
    std::chrono::milliseconds deadline, std::stop_token stop)
{
    const ProgramRun run = runVersionOf(release / "bin" / kProgramName, deadline, stop);
    std::string what;
    switch (run.end) {
    case ProgramRun::End::exited:
        if (run.status == 0 && run.output.find("(build " + item.version + ")") != std::string::npos)
            return std::nullopt;
        what = run.status == 0
            ? message(
                QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "it did not say it is build %1"), item.version)
            : message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "it ended with status %1: %2"),
                std::to_string(run.status), firstLineOf(run.output));
        break;
    case ProgramRun::End::killedBySignal:
        what = message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "it was ended by signal %1 (%2)"),
            std::to_string(run.status), strsignal(run.status));
        break;
    case ProgramRun::End::notStarted:
        what = std::strerror(run.status);
        break;
    case ProgramRun::End::timedOut:
        what = message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "it did not answer within %1 seconds"),
            std::to_string(std::chrono::duration_cast<std::chrono::seconds>(deadline).count()));
        break;
    case ProgramRun::End::stopped:
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "Installing the update was stopped."));
    }
    return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                       "The new version does not start on this computer (%1), so it was not installed."),
        what);
}

// Holds the install's update lock: one install at a time, also from copies running in other
// sessions, since each would prune the versions the other is about to use.
std::optional<FileDescriptor> lockInstall(const fs::path& root)
{
    FileDescriptor lock(
        ::open((root / ".update-lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock.isOpen() || flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
        return std::nullopt;
    return lock;
}

// The entries of `folder` whose names start with `prefix`.
std::vector<fs::path> entriesStartingWith(const fs::path& folder, std::string_view prefix)
{
    std::error_code error;
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().starts_with(prefix))
            found.push_back(entry.path());
    }
    return found;
}

// Unpacking folders that a run which crashed or was killed left behind; with the lock held, no
// other install is using one.
void removeAbandonedUnpacking(const fs::path& versions)
{
    std::error_code error;
    for (const fs::path& folder : entriesStartingWith(versions, ".unpacking-"))
        fs::remove_all(folder, error);
}

// What one install works from, as its phases below share it. Each phase answers why the install
// stops there, or nothing to go on to the next.
struct InstallRequest {
    const SelfUpdatingInstall& install;
    int archive = -1;
    const AppcastItem& item;
    const ReleaseRequirements& requirements;
    const InstallProgress& progress;
    std::stop_token stop;
};

// What is kept of the unpacking folder was moved out of it before it goes.
struct RemoveWhenDone {
    const fs::path& folder;
    ~RemoveWhenDone()
    {
        std::error_code error;
        fs::remove_all(folder, error);
    }
};

std::string notAReleaseOfThisProgram()
{
    return message(QT_TRANSLATE_NOOP(
        "quillon::UpdateInstaller", "The update could not be unpacked as a release of this program."));
}

// The download is the length the feed gives, its version can name a folder and the publisher
// signed it. `checked` receives the digest of the bytes checked, for the unpacking to match.
std::optional<std::string> checkDownload(const InstallRequest& request, Digest& checked)
{
    struct stat status { };
    const std::uint64_t length = request.item.enclosure.length;
    if (fstat(request.archive, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0
        || static_cast<std::uint64_t>(status.st_size) != length || length > kMaxArchiveBytes)
        return message(QT_TRANSLATE_NOOP(
            "quillon::UpdateInstaller", "The download is not the size the update feed gives for it."));
    if (!isSafeFolderName(request.item.version))
        return message(
            QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The update's version cannot name a folder."));

    ArchivePass checking(request.archive, length, 0, request.progress, request.stop);
    SignatureCheck signature(request.item.enclosure.edSignature, request.requirements.publicKeyBase64);
    if (!checking.readToEnd([&](std::string_view bytes) { signature.add(bytes); }))
        return readFailure(checking);
    if (!checking.readAll())
        return message(QT_TRANSLATE_NOOP(
            "quillon::UpdateInstaller", "The download is not the size the update feed gives for it."));
    if (!signature.isValid())
        return message(QT_TRANSLATE_NOOP(
            "quillon::UpdateInstaller", "The download is not signed by the publisher of this program."));
    checked = checking.digest();
    return std::nullopt;
}

// A folder of this run's own among the versions, once those of runs that ended halfway are gone.
std::optional<std::string> makeUnpackingFolder(const fs::path& versions, const fs::path& unpacking)
{
    removeAbandonedUnpacking(versions);
    if (mkdir(unpacking.c_str(), 0755) != 0)
        return isDiskFull(errno) ? noSpaceIn(versions) : cannotUnpackIn(versions, errno);
    return std::nullopt;
}

// Unpacks the archive into `unpacking` in a second pass, taken only when it read the bytes that were
// checked. `links` receives the links unpacked, for the release to be judged by.
std::optional<std::string> unpackChecked(const InstallRequest& request, const Digest& checked,
    const fs::path& unpacking, const fs::path& versions, std::vector<UnpackedLink>& links)
{
    const std::uint64_t length = request.item.enclosure.length;
    ArchivePass unpackingPass(request.archive, length, length, request.progress, request.stop);
    const std::uint64_t mostBytes
        = std::min(kMaxUnpackedBytes, std::max(kUnpackedBytesFloor, kMaxUnpackedRatio * length));
    UnpackResult unpacked;
    {
        const FileDescriptor folder(
            ::open(unpacking.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder.isOpen())
            return cannotUnpackIn(versions, errno);
        unpacked = unpackArchive(unpackingPass, folder.get(), {mostBytes, kMaxUnpackedEntries});
    }
    // The rest of the file goes through the digest too, also after a failure: a file changed
    // under the unpacking is the better explanation of what went wrong.
    const bool readToEnd = unpacked.problem != UnpackProblem::inputFailed && unpackingPass.readToEnd();
    if (readToEnd && (!unpackingPass.readAll() || unpackingPass.digest() != checked))
        return message(QT_TRANSLATE_NOOP(
            "quillon::UpdateInstaller", "The download changed while it was being installed."));
    if (unpacked.problem != UnpackProblem::none)
        return unpackFailure(unpacked, unpackingPass, versions);
    if (!readToEnd)
        return readFailure(unpackingPass);
    links = std::move(unpacked.links);
    return std::nullopt;
}

// The unpacked release keeps its links inside, is this program in a newer build than any here,
// and starts on this computer.
std::optional<std::string> probeRelease(const InstallRequest& request, const fs::path& release,
    const fs::path& unpacking, const std::vector<UnpackedLink>& links)
{
    if (!linksStayInside(links, unpacking, release))
        return message(QT_TRANSLATE_NOOP(
            "quillon::UpdateInstaller", "The update holds a link that leads out of the release."));
    if (auto problem = recordProblem(release, request.item, request.requirements, request.install))
        return problem;
    // Signed by the publisher, so it may run: better here than after the switch, when the studio
    // that worked is gone from the menu.
    if (const auto foreign = foreignProgramIn(release))
        return message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                           "The update is made for another kind of computer: %1 is not a program for "
                           "this one."),
            *foreign);
    return startProblem(release, request.item, request.requirements.startDeadline, request.stop);
}

// The folder name of the version current until now; empty when there is none.
fs::path currentFolderName(const SelfUpdatingInstall& install)
{
    std::error_code error;
    return fs::read_symlink(install.root / "current", error).filename();
}

// A fresh name, also when this version was installed before.
fs::path freshFolderName(const fs::path& versions, const std::string& version)
{
    std::error_code error;
    fs::path folderName = version;
    for (int attempt = 2; fs::exists(fs::symlink_status(versions / folderName, error)); ++attempt)
        folderName = version + "-" + std::to_string(attempt);
    return folderName;
}

// Moves the release beside the installed versions, as versions/<folderName>, and onto the disk.
std::optional<std::string> placeBesideInstalled(
    const fs::path& unpacking, const fs::path& release, const fs::path& versions, const fs::path& folderName)
{
    std::error_code error;
    // What is moved lies inside the unpacking folder, found without following any link.
    const fs::path realUnpacking = fs::canonical(unpacking, error);
    const fs::path realRelease = fs::canonical(release, error);
    if (error || !isInside(realRelease, realUnpacking))
        return notAReleaseOfThisProgram();
    std::error_code moved;
    fs::rename(realRelease, versions / folderName, moved);
    if (moved)
        return isDiskFull(moved.value())
            ? noSpaceIn(versions)
            : message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                          "The update could not be put beside the installed version: %1"),
                moved.message());
    if (const int syncError = syncFilesystem(versions / folderName); syncError != 0) {
        fs::remove_all(versions / folderName, error);
        return isDiskFull(syncError) ? noSpaceIn(versions)
                                     : message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                                                   "The update could not be written to the disk in %1: %2."),
                                         versions.string(), std::strerror(syncError));
    }
    syncFolder(versions);
    return std::nullopt;
}

// Makes versions/<folderName> the one that runs; on a failure it is removed again and `previous`
// stays current.
std::optional<std::string> makeCurrent(const InstallRequest& request, const fs::path& versions,
    const fs::path& folderName, const fs::path& previous)
{
    const SelfUpdatingInstall& install = request.install;
    std::error_code error;
    // On trial until it has started once: should it still fail, the launcher goes back to this one.
    if (!previous.empty()
        && !markOnTrial(install, folderName.string(), previous.string(), request.item.version)) {
        fs::remove_all(versions / folderName, error);
        return message(
            QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The new version could not be made current: %1"),
            std::strerror(errno));
    }
    // The switch: a new link under a temporary name, renamed over the old one in a single step.
    const fs::path current = install.root / "current";
    const fs::path link = install.root / (".current-" + std::to_string(getpid()));
    fs::remove(link, error);
    std::error_code switched;
    fs::create_directory_symlink(fs::path("versions") / folderName, link, switched);
    if (!switched)
        fs::rename(link, current, switched);
    if (switched) {
        fs::remove(link, error);
        fs::remove_all(versions / folderName, error);
        endTrial(install);
        return message(
            QT_TRANSLATE_NOOP("quillon::UpdateInstaller", "The new version could not be made current: %1"),
            switched.message());
    }
    syncFolder(install.root);
    return std::nullopt;
}

// Through the launcher, which goes back to the version before should this one fail to start.
fs::path programToStart(const SelfUpdatingInstall& install)
{
    const fs::path launcher = launcherOf(install, kProgramName);
    return access(launcher.c_str(), X_OK) == 0 ? launcher : install.root / "current" / "bin" / kProgramName;
}

} // namespace

InstallOutcome installDownloadedUpdate(const SelfUpdatingInstall& install, int archive,
    const AppcastItem& item, const ReleaseRequirements& requirements, const InstallProgress& progress,
    std::stop_token stop)
{
    const InstallRequest request {install, archive, item, requirements, progress, std::move(stop)};
    Digest checked {};
    if (auto problem = checkDownload(request, checked))
        return failure(*problem);

    const std::optional<FileDescriptor> lock = lockInstall(install.root);
    if (!lock)
        return failure(message(QT_TRANSLATE_NOOP("quillon::UpdateInstaller",
                                   "Another copy of this program is installing an update into %1 right now."),
            install.root.string()));
    const fs::path versions = install.root / "versions";
    const fs::path unpacking = versions / (".unpacking-" + std::to_string(getpid()));
    if (auto problem = makeUnpackingFolder(versions, unpacking))
        return failure(*problem);
    // From here on, every way out removes the unpacking folder.
    const RemoveWhenDone removeUnpacking {unpacking};

    std::vector<UnpackedLink> links;
    if (auto problem = unpackChecked(request, checked, unpacking, versions, links))
        return failure(*problem);
    const std::optional<fs::path> release = findRelease(unpacking);
    if (!release)
        return failure(notAReleaseOfThisProgram());
    if (auto problem = probeRelease(request, *release, unpacking, links))
        return failure(*problem);

    const fs::path previous = currentFolderName(install);
    const fs::path folderName = freshFolderName(versions, item.version);
    if (auto problem = placeBesideInstalled(unpacking, *release, versions, folderName))
        return failure(*problem);
    if (auto problem = makeCurrent(request, versions, folderName, previous))
        return failure(*problem);
    removeOldVersions(versions, {folderName, previous, fs::path(install.runningVersion)});
    return {true, {}, programToStart(install)};
}

void removeAbandonedUpdateWork(const SelfUpdatingInstall& install)
{
    const std::optional<FileDescriptor> lock = lockInstall(install.root);
    if (!lock)
        return;
    removeAbandonedUnpacking(install.root / "versions");
    std::error_code error;
    // Links made for a switch that never came, and downloads from before downloads had no name.
    for (const std::string_view prefix : {".current-", ".download-", ".new-version-"}) {
        for (const fs::path& left : entriesStartingWith(install.root, prefix)) {
            if (!fs::is_directory(fs::symlink_status(left, error)))
                fs::remove(left, error);
        }
    }
}

} // namespace quillon
