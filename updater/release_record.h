// What a release says of itself: the information record it carries as share/quillon/info.json,
// written by the build from the same values as the record compiled into its programs. The
// installer reads it to know which program and which build an archive really holds, whatever the
// feed announced.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr std::string_view kReleaseRecordPath = "share/quillon/info.json";

struct ReleaseRecord {
    std::string identifier; // the program's, com.quillon.Quillon
    std::string version; // the build (BuildInfo::build), which feeds compare
    std::string shortVersion; // the version people read (BuildInfo::version)
    bool operator==(const ReleaseRecord&) const = default;
};

// The record of the release unpacked in `release`; nothing when it is missing, over 64 KiB, not a
// JSON object, or lacks the identifier or the version.
std::optional<ReleaseRecord> readReleaseRecord(const std::filesystem::path& release);

} // namespace quillon
