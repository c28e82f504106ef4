// A string-keyed store of data blobs kept as one file per key in a folder. Two processes of one
// user share the blobs by opening the same folder.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

class BlobFolder {
public:
    // Blobs larger than this are not read: no record of ours comes near it.
    static constexpr std::size_t kMaxBlobBytes = 1024 * 1024;

    // $XDG_CONFIG_HOME, else ~/.config.
    static std::filesystem::path configHome();

    // The folder <config home>/<name>/, created (0700) when it is missing and can be made. Nothing
    // only when the name is not a plain folder name: a folder that cannot be made or written now is
    // still read where it can be, and each write tries again to make it, so that a settings folder
    // that becomes writable is used without a restart.
    static std::optional<BlobFolder> open(std::string_view name);
    static std::optional<BlobFolder> openPath(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return m_path; }

    // The blob under the key, or nothing, with errno saying why (ENOENT when there is none, EFBIG
    // when it is over the limit, EINVAL when it is not a regular file), when it cannot be read
    // whole. A key may be a symbolic link (dotfile managers keep the file elsewhere) to a regular
    // file the user owns; any other link is not read.
    std::optional<std::string> read(std::string_view key) const;
    // Whether anything at all is stored under the key, readable or not.
    bool contains(std::string_view key) const;

    // Replaces the blob at once: a temporary file (0600) beside the file, flushed to disk, renamed
    // over it. A reader sees the whole old or the whole new blob, and a writer killed at any instant
    // leaves no partial one. Through a link that read() follows, the link's final target is replaced
    // and the link stays; a link that read() would not follow is itself replaced, and what it leads
    // to is left alone. The folder is made first when it is missing. Returns false, with errno saying
    // why and the old blob left, when that fails.
    bool write(std::string_view key, std::string_view bytes) const;

    // Moves whatever is under the key (a link itself, not its target) to "<key>.bad", replacing an
    // earlier one there, so that a blob that cannot be read is kept rather than written over.
    // True when the key is then free; false, with errno, when it could not be moved.
    bool setAside(std::string_view key) const;
    static constexpr std::string_view kSetAsideSuffix = ".bad";

private:
    explicit BlobFolder(std::filesystem::path path)
        : m_path(std::move(path))
    {
    }

    std::filesystem::path m_path;
};

// A key or folder name that is one plain path component.
bool isPlainName(std::string_view name);

} // namespace quillon
