// Unpacking a release archive (a gzip-compressed tar) into an empty folder, taking only what a
// release is made of: regular files, folders, and symbolic links that stay inside the folder. No
// entry is written through a link, none outside the folder, and the contents stop at a size limit,
// so that a hostile archive can neither reach other files nor fill the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Where the archive's bytes come from, so that the caller can check them as they are read.
class ArchiveInput {
public:
    virtual ~ArchiveInput() = default;
    // Up to `capacity` bytes into `buffer`: how many, 0 at the end, or -1 when reading failed or
    // was stopped.
    virtual std::ptrdiff_t read(char* buffer, std::size_t capacity) = 0;
};

inline constexpr std::uint64_t kUnpackBlockBytes = 4096;

struct UnpackLimits {
    // What the entries take on disk together: whole blocks of kUnpackBlockBytes, at least one an
    // entry, folders and links too. Counting contents alone, 65,000 one-byte files took 256 MiB.
    std::uint64_t mostBytes = 0;
    std::uint64_t mostEntries = 0; // the folders made on the way included
};

enum class UnpackProblem {
    none,
    malformed, // not a gzip-compressed tar, or cut short
    forbiddenEntry, // a device, pipe, hard link, a path or link leading out, an entry twice
    tooLarge, // over the limits
    noSpace, // the disk (or the user's quota) is full
    writeFailed, // another error of the file system
    inputFailed, // the input said so
};

struct UnpackedLink {
    std::string path; // where the link is, relative to the folder ("a/b/link")
    std::string target; // what it says
    bool operator==(const UnpackedLink&) const = default;
};

struct UnpackResult {
    UnpackProblem problem = UnpackProblem::none;
    std::string detail; // the entry concerned, or the system's words for the error
    std::vector<UnpackedLink> links;
};

// Writes the archive's entries under the folder open as `folderDescriptor`. On a problem it stops;
// what was written so far stays for the caller to remove with the folder.
UnpackResult unpackArchive(ArchiveInput& input, int folderDescriptor, const UnpackLimits& limits);

// Whether a link at `linkPath` (relative, "a/b/link") pointing at `target` names a place inside
// `floor` ("" for the top) without climbing above it, judged on the text alone: a relative target
// whose ".." components all come first.
bool linkStaysWithin(std::string_view linkPath, std::string_view target, std::string_view floor);

} // namespace quillon
