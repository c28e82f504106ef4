// Reading with libarchive, writing with openat(2) and O_NOFOLLOW from the folder down, one path
// component at a time: libarchive's own writer resolves paths from the process's working folder
// and follows links that an earlier entry may have planted.
#include "updater/release_unpacker.h"

#include "updater/file_descriptor.h"

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

namespace quillon {
namespace {

constexpr std::size_t kMaxPathBytes = 1024;
constexpr std::size_t kMaxPathDepth = 32;
constexpr std::size_t kReadBufferBytes = 256 * 1024;

// Takes the path's first component off it.
std::string_view takeComponent(std::string_view& path)
{
    const std::size_t slash = path.find('/');
    const std::string_view component = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    return component;
}

// The path's components, or nothing when it is absolute or climbs with "..".
std::optional<std::vector<std::string>> componentsOf(std::string_view path)
{
    if (path.size() > kMaxPathBytes || path.starts_with('/'))
        return std::nullopt;
    std::vector<std::string> components;
    while (!path.empty()) {
        const std::string_view component = takeComponent(path);
        if (component.empty() || component == ".")
            continue;
        if (component == "..")
            return std::nullopt;
        components.emplace_back(component);
    }
    if (components.size() > kMaxPathDepth)
        return std::nullopt;
    return components;
}

std::string joined(std::span<const std::string> components)
{
    std::string path;
    for (const std::string& component : components)
        path += (path.empty() ? "" : "/") + component;
    return path;
}

struct Failure {
    UnpackProblem problem;
    std::string detail;
};

Failure systemFailure(int error, const std::string& path)
{
    // A link or file where a folder is wanted, or an entry that is already there: the archive is
    // trying something, or is broken; either way it is not a release.
    if (error == ELOOP || error == ENOTDIR || error == EEXIST)
        return {UnpackProblem::forbiddenEntry, path};
    if (error == ENOSPC || error == EDQUOT)
        return {UnpackProblem::noSpace, std::strerror(error)};
    return {UnpackProblem::writeFailed, path + ": " + std::strerror(error)};
}

// Feeds libarchive from the caller's input.
struct ReadContext {
    ArchiveInput& input;
    std::unique_ptr<char[]> buffer = std::make_unique<char[]>(kReadBufferBytes);
    bool inputFailed = false;
};

la_ssize_t readCallback(archive* reader, void* data, const void** buffer)
{
    auto& context = *static_cast<ReadContext*>(data);
    const std::ptrdiff_t count = context.input.read(context.buffer.get(), kReadBufferBytes);
    if (count < 0) {
        context.inputFailed = true;
        archive_set_error(reader, EIO, "reading the archive failed");
        return -1;
    }
    *buffer = context.buffer.get();
    return count;
}

class Unpacker {
public:
    Unpacker(archive* reader, int folder, const UnpackLimits& limits)
        : m_reader(reader)
        , m_folder(folder)
        , m_limits(limits)
    {
    }

    std::optional<Failure> take(archive_entry* entry);
    std::vector<UnpackedLink> takeLinks() { return std::move(m_links); }

private:
    std::optional<Failure> openParent(std::span<const std::string> components, FileDescriptor& parent);
    std::optional<Failure> countEntry();
    std::optional<Failure> writeFile(
        int parent, const std::string& name, const std::string& path, archive_entry* entry);

    archive* m_reader;
    int m_folder;
    UnpackLimits m_limits;
    std::uint64_t m_bytes = 0;
    std::uint64_t m_entries = 0;
    std::vector<UnpackedLink> m_links;
};

// Opens the folder holding the last component, making the folders on the way as needed; never
// through a link.
// Folders made on the way count as entries too: otherwise deep paths would multiply what the
// limit allows.
std::optional<Failure> Unpacker::countEntry()
{
    if (++m_entries > m_limits.mostEntries)
        return Failure {
            UnpackProblem::tooLarge, "more than " + std::to_string(m_limits.mostEntries) + " entries"};
    // Every entry takes a block at least, whatever it holds.
    if (kUnpackBlockBytes > m_limits.mostBytes - m_bytes)
        return Failure {
            UnpackProblem::tooLarge, "more than " + std::to_string(m_limits.mostBytes) + " bytes on disk"};
    m_bytes += kUnpackBlockBytes;
    return std::nullopt;
}

std::optional<Failure> Unpacker::openParent(std::span<const std::string> components, FileDescriptor& parent)
{
    parent.reset(fcntl(m_folder, F_DUPFD_CLOEXEC, 0));
    if (!parent.isOpen())
        return systemFailure(errno, ".");
    for (std::size_t index = 0; index + 1 < components.size(); ++index) {
        const char* name = components[index].c_str();
        if (mkdirat(parent.get(), name, 0755) == 0) {
            if (auto failure = countEntry())
                return failure;
        } else if (errno != EEXIST) {
            return systemFailure(errno, joined(components.first(index + 1)));
        }
        FileDescriptor next(openat(parent.get(), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen())
            return systemFailure(errno, joined(components.first(index + 1)));
        parent = std::move(next);
    }
    return std::nullopt;
}

std::optional<Failure> Unpacker::writeFile(
    int parent, const std::string& name, const std::string& path, archive_entry* entry)
{
    const la_int64_t declared = archive_entry_size(entry);
    if (declared < 0)
        return Failure {UnpackProblem::malformed, path};
    // The blocks beyond the one the entry was counted with.
    const std::uint64_t blocks
        = (static_cast<std::uint64_t>(declared) + kUnpackBlockBytes - 1) / kUnpackBlockBytes;
    const std::uint64_t more = blocks > 1 ? (blocks - 1) * kUnpackBlockBytes : 0;
    if (more > m_limits.mostBytes - m_bytes)
        return Failure {UnpackProblem::tooLarge, path};
    // Programs keep their execute bits; nothing else of the archive's modes (set-user-ID, sticky,
    // writable by others) is taken.
    const mode_t mode = (archive_entry_perm(entry) & 0111) ? 0755 : 0644;
    FileDescriptor file(
        openat(parent, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!file.isOpen())
        return systemFailure(errno, path);
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int status = archive_read_data_block(m_reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            return Failure {UnpackProblem::malformed,
                archive_error_string(m_reader) ? archive_error_string(m_reader) : path};
        // Sparse entries place their blocks: the file's end, not the sum, is what it takes.
        if (offset < 0 || static_cast<std::uint64_t>(offset) + size > static_cast<std::uint64_t>(declared))
            return Failure {UnpackProblem::malformed, path};
        const char* bytes = static_cast<const char*>(block);
        while (size > 0) {
            const ssize_t written = pwrite(file.get(), bytes, size, offset);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return systemFailure(written < 0 ? errno : ENOSPC, path);
            bytes += written;
            size -= static_cast<std::size_t>(written);
            offset += written;
        }
    }
    if (ftruncate(file.get(), declared) != 0)
        return systemFailure(errno, path);
    m_bytes += more;
    return std::nullopt;
}

std::optional<Failure> Unpacker::take(archive_entry* entry)
{
    if (auto failure = countEntry())
        return failure;
    const char* rawPath = archive_entry_pathname(entry);
    const std::string shownPath = rawPath ? rawPath : "(an entry without a name)";
    const auto components = rawPath ? componentsOf(rawPath) : std::nullopt;
    if (!components)
        return Failure {UnpackProblem::forbiddenEntry, shownPath};
    const auto type = archive_entry_filetype(entry);
    // The archive's top, "./": there already.
    if (components->empty())
        return type == AE_IFDIR ? std::nullopt
                                : std::optional(Failure {UnpackProblem::forbiddenEntry, shownPath});
    // A hard link can name any file of the user's, and is of no use to a release.
    if (archive_entry_hardlink(entry))
        return Failure {UnpackProblem::forbiddenEntry, shownPath};

    const std::string path = joined(*components);
    FileDescriptor parent;
    if (auto failure = openParent(*components, parent))
        return failure;
    const std::string& name = components->back();
    switch (type) {
    case AE_IFREG:
        return writeFile(parent.get(), name, path, entry);
    case AE_IFDIR: {
        if (mkdirat(parent.get(), name.c_str(), 0755) != 0 && errno != EEXIST)
            return systemFailure(errno, path);
        // Already there is fine for a folder, as long as it is one.
        FileDescriptor folder(
            openat(parent.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        return folder.isOpen() ? std::nullopt : std::optional(systemFailure(errno, path));
    }
    case AE_IFLNK: {
        const char* target = archive_entry_symlink(entry);
        if (!target || !linkStaysWithin(path, target, ""))
            return Failure {UnpackProblem::forbiddenEntry, shownPath + " -> " + (target ? target : "")};
        if (symlinkat(target, parent.get(), name.c_str()) != 0)
            return systemFailure(errno, path);
        m_links.push_back({path, target});
        return std::nullopt;
    }
    default:
        // Devices, pipes and sockets: no release has them, and as root they would be made.
        return Failure {UnpackProblem::forbiddenEntry, shownPath};
    }
}

} // namespace

bool linkStaysWithin(std::string_view linkPath, std::string_view target, std::string_view floor)
{
    const auto link = componentsOf(linkPath);
    const auto floorComponents = componentsOf(floor);
    if (target.empty() || target.starts_with('/') || target.size() > kMaxPathBytes || !link || link->empty()
        || !floorComponents || link->size() <= floorComponents->size()
        || !std::equal(floorComponents->begin(), floorComponents->end(), link->begin()))
        return false;
    // Walks from the folder holding the link; climbing out of the floor at any step is out, even
    // when a later step would come back, since the floor is moved elsewhere after unpacking. ".."
    // may only lead the target: after a name that is itself a link, "name/.." is not where the
    // text says, and a pair of such links can climb out of a folder and back into a look-alike.
    std::size_t depth = link->size() - 1 - floorComponents->size();
    bool descended = false;
    while (!target.empty()) {
        const std::string_view component = takeComponent(target);
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (depth == 0 || descended)
                return false;
            --depth;
        } else {
            descended = true;
            ++depth;
        }
    }
    return true;
}

UnpackResult unpackArchive(ArchiveInput& input, int folderDescriptor, const UnpackLimits& limits)
{
    ReadContext context {input};
    std::unique_ptr<archive, decltype(&archive_read_free)> reader(archive_read_new(), &archive_read_free);
    if (!reader)
        return {UnpackProblem::writeFailed, "out of memory", {}};
    // Release archives are gzip-compressed tar files; nothing else is read, which also keeps
    // libarchive's less travelled formats away from what a server sent.
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_tar(reader.get());
    const auto failed = [&](UnpackProblem problem, std::string detail) {
        if (context.inputFailed)
            return UnpackResult {UnpackProblem::inputFailed, {}, {}};
        return UnpackResult {problem, std::move(detail), {}};
    };
    const auto readerError = [&] {
        const char* text = archive_error_string(reader.get());
        return std::string(text ? text : "not a gzip-compressed tar archive");
    };
    if (archive_read_open(reader.get(), &context, nullptr, readCallback, nullptr) != ARCHIVE_OK)
        return failed(UnpackProblem::malformed, readerError());

    Unpacker unpacker(reader.get(), folderDescriptor, limits);
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            return failed(UnpackProblem::malformed, readerError());
        if (auto failure = unpacker.take(entry))
            return failed(failure->problem, std::move(failure->detail));
    }
    return {UnpackProblem::none, {}, unpacker.takeLinks()};
}

} // namespace quillon
