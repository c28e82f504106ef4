#include "tests/updater/test_archives.h"

#include "updater/release_record.h"
#include "updater/update_signature.h"

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace quillon::testing {
namespace {

la_ssize_t appendTo(archive*, void* data, const void* buffer, std::size_t length)
{
    static_cast<std::string*>(data)->append(static_cast<const char*>(buffer), length);
    return static_cast<la_ssize_t>(length);
}

void check(int status, archive* writer)
{
    if (status < ARCHIVE_WARN)
        throw std::runtime_error(
            archive_error_string(writer) ? archive_error_string(writer) : "libarchive failed");
}

} // namespace

std::string studioScript(const std::string& buildVersion)
{
    return "#!/bin/sh\necho 'quillon " + buildVersion + " (build " + buildVersion + ")'\n";
}

std::vector<TestEntry> releaseEntries(
    const std::string& top, const std::string& buildVersion, const std::string& identifier)
{
    const std::string prefix = top.empty() ? "" : top + "/";
    return {
        {TestEntry::Kind::folder, prefix + "bin", "", false, 0},
        {TestEntry::Kind::file, prefix + "bin/quillon", studioScript(buildVersion), true, 0},
        {TestEntry::Kind::file, prefix + std::string(kReleaseRecordPath),
            "{\"CFBundleIdentifier\": \"" + identifier + "\", \"CFBundleShortVersionString\": \""
                + buildVersion + "\", \"CFBundleVersion\": \"" + buildVersion + "\"}\n",
            false, 0},
    };
}

std::string tarGz(const std::vector<TestEntry>& entries)
{
    std::string bytes;
    std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(), &archive_write_free);
    check(archive_write_set_format_pax_restricted(writer.get()), writer.get());
    check(archive_write_add_filter_gzip(writer.get()), writer.get());
    // Unpadded, as tar piped through gzip makes them: a padded archive is never smaller than 10 kB,
    // which hid how little a small release packs to.
    check(archive_write_set_bytes_in_last_block(writer.get(), 1), writer.get());
    check(archive_write_open(writer.get(), &bytes, nullptr, appendTo, nullptr), writer.get());
    for (const TestEntry& item : entries) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(
            archive_entry_new(), &archive_entry_free);
        archive_entry_set_pathname(entry.get(), item.path.c_str());
        archive_entry_set_perm(
            entry.get(), item.executable || item.kind == TestEntry::Kind::folder ? 0755 : 0644);
        switch (item.kind) {
        case TestEntry::Kind::file:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_size(
                entry.get(), static_cast<la_int64_t>(item.zeros ? item.zeros : item.content.size()));
            break;
        case TestEntry::Kind::folder:
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            break;
        case TestEntry::Kind::link:
            archive_entry_set_filetype(entry.get(), AE_IFLNK);
            archive_entry_set_symlink(entry.get(), item.content.c_str());
            break;
        case TestEntry::Kind::hardLink:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_hardlink(entry.get(), item.content.c_str());
            break;
        case TestEntry::Kind::fifo:
            archive_entry_set_filetype(entry.get(), AE_IFIFO);
            break;
        case TestEntry::Kind::device:
            archive_entry_set_filetype(entry.get(), AE_IFCHR);
            archive_entry_set_rdev(entry.get(), makedev(1, 3)); // what /dev/null is
            break;
        }
        check(archive_write_header(writer.get(), entry.get()), writer.get());
        if (item.kind == TestEntry::Kind::file) {
            if (item.zeros) {
                const std::string piece(1 << 20, '\0');
                for (std::uint64_t left = item.zeros; left > 0;) {
                    const std::size_t size
                        = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
                    archive_write_data(writer.get(), piece.data(), size);
                    left -= size;
                }
            } else if (!item.content.empty()) {
                archive_write_data(writer.get(), item.content.data(), item.content.size());
            }
        }
    }
    check(archive_write_close(writer.get()), writer.get());
    return bytes;
}

std::string readWholeFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeWholeFile(const std::filesystem::path& file, std::string_view bytes, bool executable)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (executable)
        std::filesystem::permissions(
            file, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
}

AppcastItem signedItem(const std::string& archive, const std::string& version, const std::string& secretKey)
{
    AppcastItem item;
    item.title = "Quillon " + version;
    item.version = version;
    item.enclosure = {"https://example.com/Quillon-" + version + ".tar.gz", archive.size(),
        signBytes(archive, secretKey), "application/gzip", ""};
    return item;
}

} // namespace quillon::testing
