// Reading an update feed: an RSS document whose items each describe one release, with the
// enclosure to download and its Ed25519 signature, in the namespace desktop updaters share
// (xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct AppcastEnclosure {
    std::string url;
    std::uint64_t length = 0; // bytes, as the feed declares them
    std::string edSignature; // base64 of the 64-byte Ed25519 signature of the whole file
    std::string type; // MIME type, informational
    std::string os; // sparkle:os: the system it is for ("linux", "linux-x86_64"), may be empty
    bool operator==(const AppcastEnclosure&) const = default;
};

struct AppcastItem {
    std::string title;
    std::string version; // the build version compared with ours (sparkle:version)
    std::string shortVersion; // shown to people (sparkle:shortVersionString), may be empty
    std::string releaseNotes; // HTML from <description>, may be empty
    std::string releaseNotesLink; // a page with the notes instead, may be empty
    std::string minimumSystemVersion; // may be empty
    std::string publicationDate; // pubDate as written, may be empty
    AppcastEnclosure enclosure;
    bool operator==(const AppcastItem&) const = default;
};

inline constexpr std::size_t kMaxAppcastBytes = 1024 * 1024;

// The feed's items that can be installed, in feed order: an item needs a version, an enclosure with
// an http(s) URL, a length that is a whole number above zero, and a base64 signature. Others are
// left out, as is an item with any field over 64 KiB, and every item after the first 1000.
// Nothing when the text is not a feed at all: over kMaxAppcastBytes, not well-formed XML, not RSS,
// or declaring entities (a feed has no use for them, and they can expand without bound).
std::optional<std::vector<AppcastItem>> parseAppcast(std::string_view xml);

// What an item must run on: the kernel's version and the processor ("x86_64", "aarch64"; the other
// names of each, "amd64" and "arm64", are taken as the same).
struct RunningSystem {
    std::string version;
    std::string machine;
};

// Whether a release for `os` (sparkle:os) runs on `machine`: one for no system in particular, for
// Linux, or for Linux on this processor ("linux-aarch64"); not one for another system or processor.
bool runsOn(std::string_view os, std::string_view machine);

// The newest item newer than `currentVersion` that this system can run (its system, processor and
// minimum system version fit `system`); nothing when there is none, or when the user skipped it: a
// skipped version also passes over every older one, so that skipping the newest release never
// brings up an older one instead.
std::optional<AppcastItem> newestApplicableUpdate(const std::vector<AppcastItem>& items,
    std::string_view currentVersion, const RunningSystem& system, std::string_view skippedVersion);

} // namespace quillon
