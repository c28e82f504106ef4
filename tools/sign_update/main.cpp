// quillon-sign-update: the publisher's side of self-updating. Makes the Ed25519 key pair (the
// public half goes into release builds as QUILLON_UPDATE_PUBLIC_KEY), and signs a release archive,
// printing the attributes of its enclosure in the update feed.
#include "platform/info/build_info.h"
#include "platform/io/write_all.h"
#include "updater/update_signature.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

constexpr const char* kUsage
    = "usage: quillon-sign-update --generate-keys SECRET_KEY_FILE\n"
      "       quillon-sign-update --public-key SECRET_KEY_FILE\n"
      "       quillon-sign-update --sign ARCHIVE SECRET_KEY_FILE\n"
      "       quillon-sign-update --version\n"
      "--generate-keys writes a new secret key to the file (readable by you alone) and prints the public\n"
      "key to build releases with (-DQUILLON_UPDATE_PUBLIC_KEY=...); --public-key prints it again. --sign\n"
      "prints the archive's length and signature as the update feed's enclosure carries them.\n";

// A regular file's bytes, or nothing with the reason told: a folder or a device given by mistake
// is said to be one, and reading never throws.
std::optional<std::string> readFile(const char* path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat status { };
    std::string reason;
    if (fd < 0)
        reason = std::strerror(errno);
    else if (::fstat(fd, &status) != 0)
        reason = std::strerror(errno);
    else if (S_ISDIR(status.st_mode))
        reason = "it is a folder";
    else if (!S_ISREG(status.st_mode))
        reason = "it is not a regular file";
    std::string bytes;
    if (reason.empty()) {
        char buffer[64 * 1024];
        ssize_t count = 0;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR)) {
            if (count > 0)
                bytes.append(buffer, static_cast<std::size_t>(count));
        }
        if (count < 0)
            reason = std::strerror(errno);
    }
    if (fd >= 0)
        ::close(fd);
    if (!reason.empty()) {
        std::cerr << "quillon-sign-update: cannot read " << path << ": " << reason << '\n';
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> readSecretKey(const char* path)
{
    auto secret = readFile(path);
    if (!secret)
        return std::nullopt;
    while (!secret->empty() && (secret->back() == '\n' || secret->back() == '\r'))
        secret->pop_back();
    return secret;
}

// Standard output may be closed or on a full disk: the line must be known to have gone out.
bool printLine(const std::string& line)
{
    std::cout << line << '\n';
    std::cout.flush();
    return static_cast<bool>(std::cout);
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
    if (command == "--help" || command == "-h") {
        std::cout << quillon::kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << quillon::versionLine("quillon-sign-update", quillon::thisBuild()) << '\n';
        return 0;
    }
    if (command == "--generate-keys" && argc == 3) {
        const quillon::SigningKeys keys = quillon::makeSigningKeys();
        if (keys.secretKeyBase64.empty()) {
            std::cerr << "quillon-sign-update: cannot make a key pair (libsodium did not start)\n";
            return 1;
        }
        if (!quillon::writeNewSecretKey(argv[2], keys.secretKeyBase64))
            return 1;
        if (!quillon::printLine(keys.publicKeyBase64)) {
            std::cerr
                << "quillon-sign-update: the public key could not be printed; the secret key is kept in "
                << argv[2] << ", and quillon-sign-update --public-key " << argv[2] << " prints it\n";
            return 1;
        }
        return 0;
    }
    if (command == "--public-key" && argc == 3) {
        const auto secret = quillon::readSecretKey(argv[2]);
        if (!secret)
            return 1;
        const std::string publicKey = quillon::publicKeyOf(*secret);
        if (publicKey.empty()) {
            std::cerr << "quillon-sign-update: " << argv[2]
                      << " is not a secret key made by --generate-keys\n";
            return 1;
        }
        if (!quillon::printLine(publicKey)) {
            std::cerr << "quillon-sign-update: the public key could not be printed\n";
            return 1;
        }
        return 0;
    }
    if (command == "--sign" && argc == 4) {
        const auto archive = quillon::readFile(argv[2]);
        if (!archive)
            return 1;
        const auto secret = quillon::readSecretKey(argv[3]);
        if (!secret)
            return 1;
        const std::string signature = quillon::signBytes(*archive, *secret);
        if (signature.empty()) {
            std::cerr << "quillon-sign-update: " << argv[3]
                      << " is not a secret key made by --generate-keys\n";
            return 1;
        }
        if (!quillon::printLine("length=\"" + std::to_string(archive->size()) + "\" sparkle:edSignature=\""
                + signature + "\"")) {
            std::cerr << "quillon-sign-update: the signature could not be printed\n";
            return 1;
        }
        return 0;
    }
    std::cerr << quillon::kUsage;
    return 2;
}
