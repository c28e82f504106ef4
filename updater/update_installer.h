// Installing a downloaded release into a copy of the program that updates itself. Such a copy lives
// in a folder the user owns:
//
//   <root>/versions/<version>/   one unpacked release each (bin/, lib/, share/)
//   <root>/current               a symbolic link to versions/<version>: the one that runs
//
// Launchers and desktop entries go through `current`, so switching to a new version is the rename
// of one link: a crash at any instant leaves one whole version to start.
#pragma once

#include "platform/desktop/self_updating_copy.h"
#include "updater/appcast.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace quillon {

// No release of this program comes near this; a feed that says otherwise is not believed.
inline constexpr std::uint64_t kMaxArchiveBytes = 512ull * 1024 * 1024;
// What an archive may take on disk unpacked: this many times its own size, never more than the
// ceiling, and the floor whatever its size (a small archive of a few files, each a block at least,
// is more than eight times its size). A release compresses to about a third; a gzip bomb to a
// thousandth.
inline constexpr std::uint64_t kMaxUnpackedRatio = 8;
inline constexpr std::uint64_t kMaxUnpackedBytes = 2048ull * 1024 * 1024;
inline constexpr std::uint64_t kUnpackedBytesFloor = 32ull * 1024 * 1024;
inline constexpr std::uint64_t kMaxUnpackedEntries = 65536;

// What an archive must be to be installed.
struct ReleaseRequirements {
    std::string publicKeyBase64; // signed for this key
    std::string identifier; // its information record names this program
    std::string currentVersion; // its build version is newer than this one, the running build's
    // Its studio answers --version within this, on this machine. Its --version needs no display and
    // answers at once; a machine under load still gets half a minute.
    std::chrono::milliseconds startDeadline = std::chrono::seconds(30);
};

struct InstallOutcome {
    bool installed = false;
    std::string error; // for people, when not installed
    std::filesystem::path program; // <root>/current/bin/quillon, to start the new version
};

// How far an install has come, for a progress bar: bytes read of `total`. Called on the thread
// that installs.
using InstallProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Installs the downloaded archive open as `archive` (a regular file, read from its start): checks its
// length and its Ed25519 signature while reading it, then unpacks what was checked beside the
// installed versions (only files, folders and links inside the release, within the size limits
// above). The release must carry its information record, naming this program and the version the
// feed announced, newer than the running one. Then it becomes current, keeping the version that
// was current until now and the one that runs. On any failure nothing else is touched. Runs for
// seconds on a large archive: call it away from the user interface's thread; `stop` ends it early,
// leaving the install as it was.
InstallOutcome installDownloadedUpdate(const SelfUpdatingInstall& install, int archive,
    const AppcastItem& item, const ReleaseRequirements& requirements, const InstallProgress& progress = {},
    std::stop_token stop = {});

// Removes what installs that ended halfway (a crash, a kill, a power cut) left in the install:
// unpacking folders, links not yet switched, downloads of older versions of this program. Does
// nothing while another copy is installing.
void removeAbandonedUpdateWork(const SelfUpdatingInstall& install);

} // namespace quillon
