// Signatures and the install step of a self-updating copy, on real files in a temporary folder.
#include "platform/updater/update_installer.h"
#include "platform/updater/update_signature.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quillon {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, std::string_view text, bool executable = false)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    if (executable)
        fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

TEST(UpdateSignature, OnlyThePublishersSignatureOfTheseExactBytesIsValid)
{
    const SigningKeys publisher = makeSigningKeys();
    const SigningKeys stranger = makeSigningKeys();
    const std::string release = "release archive bytes";
    const std::string signature = signBytes(release, publisher.secretKeyBase64);
    EXPECT_EQ(signature.size(), 88u); // 64 bytes of base64
    EXPECT_TRUE(hasValidSignature(release, signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release + "!", signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release.substr(0, 10), signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release, signature, stranger.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release, signBytes(release, stranger.secretKeyBase64), publisher.publicKeyBase64));
    // Malformed keys and signatures are not valid, and do not crash.
    for (const std::string& bad : {std::string(), std::string("!!!!"), signature.substr(0, 40), signature + signature,
                                   std::string(100000, 'A')}) {
        EXPECT_FALSE(hasValidSignature(release, bad, publisher.publicKeyBase64));
        EXPECT_FALSE(hasValidSignature(release, signature, bad));
    }
    EXPECT_EQ(signBytes(release, "not a key"), "");
}

// A self-updating copy at version 1.0 in a temporary folder, and a signed release archive of 2.0.
class InstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("quillon-install-test-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        m_root = m_folder / "Quillon";
        writeFile(m_root / "versions/1.0/bin/quillon", "#!/bin/sh\necho 1.0\n", true);
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        m_keys = makeSigningKeys();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // A gzip tarball with one top folder holding bin/quillon, as packaging tools make them, or
    // holding the download's layout (versions/<version>/bin/quillon beside `current`).
    fs::path makeArchive(const std::string& version, bool withProgram = true, bool downloadLayout = false)
    {
        const fs::path staging = m_folder / ("staging-" + version);
        fs::remove_all(staging);
        fs::path top = staging / ("Quillon-" + version + "-Linux");
        if (downloadLayout) {
            fs::create_directories(top / "versions");
            fs::create_directory_symlink("versions/" + version, top / "current");
            top /= "versions/" + version;
        }
        if (withProgram)
            writeFile(top / "bin/quillon", "#!/bin/sh\necho " + version + "\n", true);
        else
            writeFile(top / "README", "no program here\n");
        const fs::path archive = m_folder / ("Quillon-" + version + ".tar.gz");
        const std::string command = "tar -czf '" + archive.string() + "' -C '" + staging.string() + "' .";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return archive;
    }

    AppcastItem itemFor(const fs::path& archive, const std::string& version)
    {
        const std::string bytes = readFile(archive);
        return {"Quillon " + version, version, version, "", "", "", "",
                {"https://example.com/" + archive.filename().string(), bytes.size(), signBytes(bytes, m_keys.secretKeyBase64), ""}};
    }

    std::string currentTarget() const { return fs::read_symlink(m_root / "current").string(); }

    fs::path m_folder;
    fs::path m_root;
    SigningKeys m_keys;
};

TEST_F(InstallTest, TheCopyIsFoundFromItsProgramFolderAndOtherInstallsAreNot)
{
    const auto install = selfUpdatingInstallOf(m_root / "current/bin");
    ASSERT_TRUE(install);
    EXPECT_EQ(fs::canonical(install->root), fs::canonical(m_root));
    EXPECT_EQ(selfUpdatingInstallOf(m_root / "versions/1.0/bin"), install);
    EXPECT_FALSE(selfUpdatingInstallOf("/usr/bin"));
    EXPECT_FALSE(selfUpdatingInstallOf(m_folder));
    fs::remove(m_root / "current");
    EXPECT_FALSE(selfUpdatingInstallOf(m_root / "versions/1.0/bin")); // no current link: not ours
}

TEST_F(InstallTest, AVerifiedArchiveBecomesCurrentAndThePreviousVersionStays)
{
    const fs::path archive = makeArchive("2.0");
    const InstallOutcome outcome =
        installDownloadedUpdate(*selfUpdatingInstallOf(m_root / "current/bin"), archive, itemFor(archive, "2.0"),
                                m_keys.publicKeyBase64);
    ASSERT_TRUE(outcome.installed) << outcome.error;
    EXPECT_EQ(currentTarget(), "versions/2.0");
    EXPECT_EQ(readFile(m_root / "current/bin/quillon"), "#!/bin/sh\necho 2.0\n");
    EXPECT_EQ(outcome.program, m_root / "current/bin/quillon");
    EXPECT_TRUE(fs::exists(m_root / "versions/1.0/bin/quillon")); // still running until it restarts
    EXPECT_FALSE(fs::exists(archive));
    // Nothing half-made is left beside the versions.
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(m_root / "versions"))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"1.0", "2.0"}));

    // The next update, packed as the download is, keeps 2.0 as the one before and 1.0, which still
    // runs until it restarts.
    const SelfUpdatingInstall running = *selfUpdatingInstallOf(m_root / "versions/1.0/bin");
    EXPECT_EQ(running.runningVersion, "1.0");
    const fs::path next = makeArchive("3.0", true, true);
    ASSERT_TRUE(installDownloadedUpdate(running, next, itemFor(next, "3.0"), m_keys.publicKeyBase64).installed);
    EXPECT_EQ(currentTarget(), "versions/3.0");
    EXPECT_TRUE(fs::exists(m_root / "versions/2.0"));
    EXPECT_TRUE(fs::exists(m_root / "versions/1.0/bin/quillon"));
    // Restarted into 3.0, the next update lets 1.0 and 2.0 go.
    const fs::path last = makeArchive("4.0");
    ASSERT_TRUE(installDownloadedUpdate(SelfUpdatingInstall{m_root, "3.0"}, last, itemFor(last, "4.0"), m_keys.publicKeyBase64)
                    .installed);
    EXPECT_FALSE(fs::exists(m_root / "versions/1.0"));
    EXPECT_FALSE(fs::exists(m_root / "versions/2.0"));
    EXPECT_TRUE(fs::exists(m_root / "versions/3.0"));
}

TEST_F(InstallTest, AnArchiveThatFailsACheckIsDeletedAndTheInstallIsUntouched)
{
    const SelfUpdatingInstall install{m_root, ""};
    const auto expectRefused = [&](const fs::path& archive, const AppcastItem& item, std::string_view publicKey) {
        SCOPED_TRACE(item.version + " from " + archive.filename().string());
        const InstallOutcome outcome = installDownloadedUpdate(install, archive, item, publicKey);
        EXPECT_FALSE(outcome.installed);
        EXPECT_FALSE(outcome.error.empty());
        EXPECT_FALSE(fs::exists(archive));
        EXPECT_EQ(currentTarget(), "versions/1.0");
        EXPECT_EQ(std::distance(fs::directory_iterator(m_root / "versions"), fs::directory_iterator()), 1);
    };
    // Tampered after signing: one byte changed.
    fs::path archive = makeArchive("2.0");
    AppcastItem item = itemFor(archive, "2.0");
    std::string bytes = readFile(archive);
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
    writeFile(archive, bytes);
    expectRefused(archive, item, m_keys.publicKeyBase64);
    // Cut short in the download.
    archive = makeArchive("2.0");
    item = itemFor(archive, "2.0");
    writeFile(archive, readFile(archive).substr(0, 100));
    expectRefused(archive, item, m_keys.publicKeyBase64);
    // Signed by someone else.
    archive = makeArchive("2.0");
    expectRefused(archive, itemFor(archive, "2.0"), makeSigningKeys().publicKeyBase64);
    // A version that would name a folder elsewhere.
    archive = makeArchive("2.0");
    expectRefused(archive, itemFor(archive, "../../escape"), m_keys.publicKeyBase64);
    // Signed, but not a release of this program.
    archive = makeArchive("2.0", false);
    expectRefused(archive, itemFor(archive, "2.0"), m_keys.publicKeyBase64);
}

} // namespace
} // namespace quillon
