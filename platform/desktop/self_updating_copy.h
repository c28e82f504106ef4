// The layout of a copy unpacked from the download, which updates itself. Such a copy lives in a
// folder the user owns:
//
//   <root>/versions/<version>/   one unpacked release each (bin/, lib/, share/)
//   <root>/current               a symbolic link to versions/<version>: the one that runs
//   <root>/<program>             a launcher through `current`, which outlives each version
//
// Desktop entries, autostart entries and bus services name the launcher, never a version's bin/.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

struct SelfUpdatingInstall {
    std::filesystem::path root;
    // The folder under versions/ the running program came from: kept when old versions go, since
    // it still runs until it restarts. Empty when not known.
    std::string runningVersion;
    bool operator==(const SelfUpdatingInstall&) const = default;
};

// The self-updating copy that the program folder belongs to: the folder is bin/ of an unpacked
// release under <root>/versions (directly or through <root>/current), <root>/current links into
// versions, and the user may write <root>. Nothing for any other install, such as a distribution
// package under /usr or a build tree: those are updated by other means.
std::optional<SelfUpdatingInstall> selfUpdatingInstallOf(const std::filesystem::path& programDirectory);

// After an update, the new version is on trial until one of its programs has started: a launcher
// whose program ends by failing to start (it could not be run, or a signal ended it) before then
// makes the previous version current again and leaves a note of it for the studio to tell. The
// record is <root>/.new-version: the new version's folder, the previous one's, the new build.
bool markOnTrial(const SelfUpdatingInstall& install, const std::string& version, const std::string& previous,
    const std::string& build);
// Called by a program that has started: ends its version's trial.
void confirmVersionStarted(const SelfUpdatingInstall& install);
void endTrial(const SelfUpdatingInstall& install);
// The build the launcher went back from, once: the note is removed as it is read.
std::optional<std::string> takeRolledBackVersion(const SelfUpdatingInstall& install);

// The launcher of one of the copy's programs: <root>/<program>.
std::filesystem::path launcherOf(const SelfUpdatingInstall& install, std::string_view program);

// What starts `program` (a file name such as "quillon-widgets") of the running copy: its launcher
// when the copy updates itself, else the program in `programDirectory` itself.
std::filesystem::path startingCommandOf(
    const std::filesystem::path& programDirectory, std::string_view program);

} // namespace quillon
