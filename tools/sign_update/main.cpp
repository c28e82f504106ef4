// quillon-sign-update: the publisher's side of self-updating. Makes the Ed25519 key pair (the
// public half goes into release builds as QUILLON_UPDATE_PUBLIC_KEY), and signs a release archive,
// printing the attributes of its enclosure in the update feed.
#include "platform/io/write_all.h"
#include "platform/updater/update_signature.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

namespace quillon {
namespace {

constexpr const char* kUsage
    = "usage: quillon-sign-update --generate-keys SECRET_KEY_FILE\n"
      "       quillon-sign-update --sign ARCHIVE SECRET_KEY_FILE\n"
      "--generate-keys writes a new secret key to the file (readable by you alone) and prints the public\n"
      "key to build releases with (-DQUILLON_UPDATE_PUBLIC_KEY=...). --sign prints the archive's length\n"
      "and signature as the update feed's enclosure carries them.\n";

std::optional<std::string> readFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// The file is born 0600: a mode set afterwards would leave it open to anyone who opens it first, and
// a chmod that fails would leave it so for good. O_EXCL | O_NOFOLLOW refuse whatever is already at
// the path, a symlink too, dangling or not, so the key never lands where a planted link points and
// never replaces the key that signed earlier releases.
bool writeNewSecretKey(const char* path, const std::string& secretKeyBase64)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            std::cerr << "quillon-sign-update: " << path
                      << " already exists; not replacing a key or following a link\n";
        else
            std::cerr << "quillon-sign-update: cannot create " << path << ": " << std::strerror(errno)
                      << '\n';
        return false;
    }
    const bool written = writeAll(fd, secretKeyBase64 + '\n') && ::fsync(fd) == 0;
    const int writeError = errno;
    // close() is where some file systems first report that the data did not reach the disk.
    if (::close(fd) == 0 && written)
        return true;
    const int error = written ? errno : writeError;
    // Half a key signs nothing; leaving it would only make the next --generate-keys refuse.
    ::unlink(path);
    std::cerr << "quillon-sign-update: cannot write " << path << ": " << std::strerror(error)
              << "; removed the partial file\n";
    return false;
}

} // namespace
} // namespace quillon

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--generate-keys" && argc == 3) {
        const quillon::SigningKeys keys = quillon::makeSigningKeys();
        if (keys.secretKeyBase64.empty()) {
            std::cerr << "quillon-sign-update: cannot make a key pair (libsodium did not start)\n";
            return 1;
        }
        if (!quillon::writeNewSecretKey(argv[2], keys.secretKeyBase64))
            return 1;
        std::cout << keys.publicKeyBase64 << '\n';
        return 0;
    }
    if (command == "--sign" && argc == 4) {
        const auto archive = quillon::readFile(argv[2]);
        auto secret = quillon::readFile(argv[3]);
        if (!archive || !secret) {
            std::cerr << "quillon-sign-update: cannot read " << (archive ? argv[3] : argv[2]) << '\n';
            return 1;
        }
        while (!secret->empty() && (secret->back() == '\n' || secret->back() == '\r'))
            secret->pop_back();
        const std::string signature = quillon::signBytes(*archive, *secret);
        if (signature.empty()) {
            std::cerr << "quillon-sign-update: " << argv[3]
                      << " is not a secret key made by --generate-keys\n";
            return 1;
        }
        std::cout << "length=\"" << archive->size() << "\" sparkle:edSignature=\"" << signature << "\"\n";
        return 0;
    }
    std::cerr << quillon::kUsage;
    return command == "--help" || command == "-h" ? 0 : 2;
}
