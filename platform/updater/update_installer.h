// Installing a downloaded release into a copy of the program that updates itself. Such a copy lives
// in a folder the user owns:
//
//   <root>/versions/<version>/   one unpacked release each (bin/, lib/, share/)
//   <root>/current               a symbolic link to versions/<version>: the one that runs
//
// Launchers and desktop entries go through `current`, so switching to a new version is the rename
// of one link: a crash at any instant leaves one whole version to start.
#pragma once

#include "platform/updater/appcast.h"

#include <cstdint>
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

// No release of this program comes near this; a feed that says otherwise is not believed.
inline constexpr std::uint64_t kMaxArchiveBytes = 512ull * 1024 * 1024;

// The self-updating copy that the program folder belongs to: the folder is bin/ of an unpacked
// release under <root>/versions (directly or through <root>/current), <root>/current links into
// versions, and the user may write <root>. Nothing for any other install, such as a distribution
// package under /usr or a build tree: those are updated by other means.
std::optional<SelfUpdatingInstall> selfUpdatingInstallOf(const std::filesystem::path& programDirectory);

struct InstallOutcome {
    bool installed = false;
    std::string error;                 // for people, when not installed
    std::filesystem::path program;     // <root>/current/bin/quillon, to start the new version
};

// Checks the downloaded archive against its feed entry (its length, and its Ed25519 signature under
// `publicKeyBase64`), then unpacks it beside the installed versions and makes it current, keeping
// the version that was current until now and the one that runs. An archive that fails a check is deleted and nothing else
// is touched; so it is when unpacking fails.
InstallOutcome installDownloadedUpdate(const SelfUpdatingInstall& install, const std::filesystem::path& archive,
                                       const AppcastItem& item, std::string_view publicKeyBase64);

} // namespace quillon
