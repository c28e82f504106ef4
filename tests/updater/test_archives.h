// Release archives for the updater's tests, made with libarchive's writer so that a test can put
// in what no honest packaging tool would: devices, hard links, links leading out, huge files.
#pragma once

#include "updater/appcast.h"
#include "updater/update_installer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillon::testing {

inline constexpr const char* kProgramIdentifier = "com.quillon.Quillon";

struct TestEntry {
    enum class Kind { file, folder, link, hardLink, fifo, device };
    Kind kind = Kind::file;
    std::string path;
    std::string content; // a file's bytes; a link's target
    bool executable = false;
    std::uint64_t zeros = 0; // a file of this many zero bytes instead, written in pieces
};

// What a release's bin/quillon is in the tests: a script that answers --version as the studio does.
std::string studioScript(const std::string& buildVersion);

// The entries of release `buildVersion` under `top`: bin/quillon printing the version, and the
// release's information record.
std::vector<TestEntry> releaseEntries(const std::string& top, const std::string& buildVersion,
    const std::string& identifier = kProgramIdentifier);

// A gzip-compressed tar of the entries, in order.
std::string tarGz(const std::vector<TestEntry>& entries);

std::string readWholeFile(const std::filesystem::path& file);
void writeWholeFile(const std::filesystem::path& file, std::string_view bytes, bool executable = false);

// The feed's item for these archive bytes: announced as `version`, signed with `secretKey`.
AppcastItem signedItem(const std::string& archive, const std::string& version, const std::string& secretKey);

} // namespace quillon::testing
