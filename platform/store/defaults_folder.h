// A string-keyed store of data blobs kept as one file per key in a folder: the stand-in for a
// user-defaults domain. Two processes of one user share a suite by opening the same folder.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

class DefaultsFolder {
public:
    // Blobs larger than this are not read: no record of ours comes near it.
    static constexpr std::size_t kMaxBlobBytes = 1024 * 1024;

    // $XDG_CONFIG_HOME, else ~/.config.
    static std::filesystem::path configHome();

    // The folder <config home>/<name>/, created (0700) when missing. Nothing when the name is not a
    // plain folder name, or the folder cannot be made or used (a file in its place, no permission).
    static std::optional<DefaultsFolder> open(std::string_view name);
    static std::optional<DefaultsFolder> openPath(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return m_path; }

    // The blob under the key, or nothing when there is none or it cannot be read whole.
    std::optional<std::string> read(std::string_view key) const;
    // Whether anything at all is stored under the key, readable or not.
    bool contains(std::string_view key) const;

    // Replaces the blob at once: a temporary file in the folder (0600), flushed to disk, renamed
    // over the old one. A reader sees the whole old or the whole new blob, and a writer killed at
    // any instant leaves no partial one. Returns false, leaving the old blob, when that fails.
    bool write(std::string_view key, std::string_view bytes) const;

private:
    explicit DefaultsFolder(std::filesystem::path path) : m_path(std::move(path)) {}

    std::filesystem::path m_path;
};

// A key or folder name that is one plain path component.
bool isPlainName(std::string_view name);

} // namespace quillon
