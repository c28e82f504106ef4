// quillon-sign-update: the publisher's side of self-updating. Makes the Ed25519 key pair (the
// public half goes into release builds as QUILLON_UPDATE_PUBLIC_KEY), and signs a release archive,
// printing the attributes of its enclosure in the update feed.
#include "platform/updater/update_signature.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: quillon-sign-update --generate-keys SECRET_KEY_FILE\n"
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

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--generate-keys" && argc == 3) {
        const std::filesystem::path secretFile = argv[2];
        if (std::filesystem::exists(secretFile)) {
            std::cerr << "quillon-sign-update: " << secretFile.string() << " exists; not replacing a key\n";
            return 1;
        }
        const quillon::SigningKeys keys = quillon::makeSigningKeys();
        {
            std::ofstream secret(secretFile, std::ios::binary);
            secret << keys.secretKeyBase64 << '\n';
            if (!secret) {
                std::cerr << "quillon-sign-update: cannot write " << secretFile.string() << '\n';
                return 1;
            }
        }
        std::filesystem::permissions(secretFile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::replace);
        std::cout << keys.publicKeyBase64 << '\n';
        return 0;
    }
    if (command == "--sign" && argc == 4) {
        const auto archive = readFile(argv[2]);
        auto secret = readFile(argv[3]);
        if (!archive || !secret) {
            std::cerr << "quillon-sign-update: cannot read " << (archive ? argv[3] : argv[2]) << '\n';
            return 1;
        }
        while (!secret->empty() && (secret->back() == '\n' || secret->back() == '\r'))
            secret->pop_back();
        const std::string signature = quillon::signBytes(*archive, *secret);
        if (signature.empty()) {
            std::cerr << "quillon-sign-update: " << argv[3] << " is not a secret key made by --generate-keys\n";
            return 1;
        }
        std::cout << "length=\"" << archive->size() << "\" sparkle:edSignature=\"" << signature << "\"\n";
        return 0;
    }
    std::cerr << kUsage;
    return command == "--help" || command == "-h" ? 0 : 2;
}
