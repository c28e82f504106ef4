// Signatures and the install step of a self-updating copy, on real files in a temporary folder,
// with archives made to attack it.
#include "platform/desktop/running_version.h"
#include "tests/updater/test_archives.h"
#include "updater/release_unpacker.h"
#include "updater/update_installer.h"
#include "updater/update_signature.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <random>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::TestEntry;

TEST(UpdateSignature, OnlyThePublishersSignatureOfTheseExactBytesIsValid)
{
    const SigningKeys publisher = makeSigningKeys();
    const SigningKeys stranger = makeSigningKeys();
    const std::string release = "release archive bytes";
    const std::string signature = signBytes(release, publisher.secretKeyBase64);
    EXPECT_TRUE(hasValidSignature(release, signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release + "!", signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release.substr(0, 10), signature, publisher.publicKeyBase64));
    EXPECT_FALSE(hasValidSignature(release, signature, stranger.publicKeyBase64));
    EXPECT_FALSE(
        hasValidSignature(release, signBytes(release, stranger.secretKeyBase64), publisher.publicKeyBase64));
    // Malformed keys and signatures are not valid, and do not crash.
    for (const std::string& bad : {std::string(), std::string("!!!!"), signature.substr(0, 40),
             signature + signature, std::string(100000, 'A')}) {
        EXPECT_FALSE(hasValidSignature(release, bad, publisher.publicKeyBase64));
        EXPECT_FALSE(hasValidSignature(release, signature, bad));
    }
    EXPECT_EQ(signBytes(release, "not a key"), "");
}

std::string base64(const std::vector<unsigned char>& bytes)
{
    std::string text(sodium_base64_ENCODED_LEN(bytes.size(), sodium_base64_VARIANT_ORIGINAL), '\0');
    sodium_bin2base64(text.data(), text.size(), bytes.data(), bytes.size(), sodium_base64_VARIANT_ORIGINAL);
    text.pop_back();
    return text;
}

// The check that reads an archive in pieces must judge exactly as libsodium's whole-message check:
// genuine signatures of messages cut anywhere, and signatures altered in every byte, including the
// second form of S (S + the group order) that a lax check would take.
TEST(UpdateSignature, CheckingInPiecesAgreesWithLibsodiumOnEveryAlteration)
{
    std::mt19937 random(7);
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    crypto_sign_keypair(publicKey, secretKey);
    const std::string key = base64({publicKey, publicKey + sizeof publicKey});
    const auto libsodiumSays = [&](const std::string& message, const std::vector<unsigned char>& signature) {
        return crypto_sign_verify_detached(signature.data(),
                   reinterpret_cast<const unsigned char*>(message.data()), message.size(), publicKey)
            == 0;
    };
    const auto checkedInPieces
        = [&](const std::string& message, const std::vector<unsigned char>& signature) {
              SignatureCheck check(base64(signature), key);
              for (std::size_t at = 0; at < message.size();) {
                  const std::size_t piece = std::min<std::size_t>(message.size() - at, random() % 700 + 1);
                  check.add(std::string_view(message).substr(at, piece));
                  at += piece;
              }
              return check.isValid();
          };
    for (const std::size_t length : {0u, 1u, 63u, 64u, 1000u, 70000u}) {
        std::string message(length, '\0');
        std::generate(message.begin(), message.end(), [&] { return static_cast<char>(random()); });
        std::vector<unsigned char> signature(crypto_sign_BYTES);
        crypto_sign_detached(signature.data(), nullptr,
            reinterpret_cast<const unsigned char*>(message.data()), message.size(), secretKey);
        SCOPED_TRACE("a message of " + std::to_string(length) + " bytes");
        EXPECT_TRUE(checkedInPieces(message, signature));
        for (std::size_t index = 0; index < signature.size(); ++index) {
            std::vector<unsigned char> altered = signature;
            altered[index] ^= static_cast<unsigned char>(1u << (index % 8));
            EXPECT_EQ(checkedInPieces(message, altered), libsodiumSays(message, altered)) << "byte " << index;
            EXPECT_FALSE(checkedInPieces(message, altered)) << "byte " << index;
        }
        // S + L: the same point equation, a second encoding.
        static const unsigned char order[32] = {0xed, 0xd3, 0xf5, 0x5c, 0x1a, 0x63, 0x12, 0x58, 0xd6, 0x9c,
            0xf7, 0xa2, 0xde, 0xf9, 0xde, 0x14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10};
        std::vector<unsigned char> malleated = signature;
        unsigned carry = 0;
        for (std::size_t index = 0; index < 32; ++index) {
            const unsigned sum = signature[32 + index] + order[index] + carry;
            malleated[32 + index] = static_cast<unsigned char>(sum);
            carry = sum >> 8;
        }
        EXPECT_FALSE(libsodiumSays(message, malleated));
        EXPECT_FALSE(checkedInPieces(message, malleated));
        if (!message.empty()) {
            std::string changed = message;
            changed.back() = static_cast<char>(changed.back() ^ 0x40);
            EXPECT_FALSE(checkedInPieces(changed, signature));
        }
    }
    sodium_memzero(secretKey, sizeof secretKey);
}

// A self-updating copy at build 1.0 in a temporary folder, and signed release archives.
class InstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path()
            / ("quillon-install-test-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        m_root = m_folder / "Quillon";
        testing::writeWholeFile(m_root / "versions/1.0/bin/quillon", "#!/bin/sh\necho 1.0\n", true);
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        m_keys = makeSigningKeys();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // A download of these entries, and its feed item announcing `version`.
    std::pair<fs::path, AppcastItem> download(
        const std::vector<TestEntry>& entries, const std::string& version)
    {
        const std::string bytes = testing::tarGz(entries);
        const fs::path archive = m_root / (".download-" + std::to_string(m_downloads++) + ".tar.gz");
        testing::writeWholeFile(archive, bytes);
        return {archive, testing::signedItem(bytes, version, m_keys.secretKeyBase64)};
    }
    std::pair<fs::path, AppcastItem> release(const std::string& version, bool downloadLayout = false)
    {
        if (!downloadLayout)
            return download(testing::releaseEntries("Quillon-" + version + "-Linux", version), version);
        std::vector<TestEntry> entries {
            {TestEntry::Kind::link, "Quillon/current", "versions/" + version, false, 0},
            {TestEntry::Kind::link, "Quillon/quillon", "current/bin/quillon", false, 0}};
        for (TestEntry& entry : testing::releaseEntries("Quillon/versions/" + version, version))
            entries.push_back(entry);
        return download(entries, version);
    }

    // Installs the download open as the updater holds it, then lets its name go.
    InstallOutcome install(const fs::path& archive, const AppcastItem& item,
        const InstallProgress& progress = {}, const std::string& running = "")
    {
        const int file = ::open(archive.c_str(), O_RDWR | O_CLOEXEC);
        EXPECT_GE(file, 0) << archive;
        const InstallOutcome outcome = installDownloadedUpdate(
            SelfUpdatingInstall {m_root, running}, file, item, requirements(), progress);
        ::close(file);
        fs::remove(archive);
        return outcome;
    }
    ReleaseRequirements requirements() const
    {
        return {m_keys.publicKeyBase64, testing::kProgramIdentifier, m_running};
    }

    std::string currentTarget() const { return fs::read_symlink(m_root / "current").string(); }
    std::vector<std::string> versions() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root / "versions"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Nothing installed, nothing half-made left.
    void expectRefused(const InstallOutcome& outcome, const fs::path&, std::string_view saying)
    {
        EXPECT_FALSE(outcome.installed);
        EXPECT_NE(outcome.error.find(saying), std::string::npos) << outcome.error;
        EXPECT_EQ(currentTarget(), "versions/1.0");
        EXPECT_EQ(versions(), std::vector<std::string> {"1.0"});
    }

    fs::path m_folder;
    fs::path m_root;
    SigningKeys m_keys;
    std::string m_running = "1.0";
    int m_downloads = 0;
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
    const auto [archive, item] = release("2.0");
    // A few files take more blocks on disk than eight times their tiny archive.
    ASSERT_LT(item.enclosure.length * kMaxUnpackedRatio, 5 * kUnpackBlockBytes);
    std::uint64_t lastDone = 0;
    std::uint64_t lastTotal = 0;
    const InstallOutcome outcome = install(archive, item, [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
    });
    ASSERT_TRUE(outcome.installed) << outcome.error;
    EXPECT_EQ(currentTarget(), "versions/2.0");
    EXPECT_EQ(testing::readWholeFile(m_root / "current/bin/quillon"), testing::studioScript("2.0"));
    EXPECT_EQ(outcome.program, m_root / "current/bin/quillon");
    EXPECT_EQ(lastTotal, 2 * item.enclosure.length); // read twice: checked, then unpacked
    EXPECT_EQ(lastDone, lastTotal);
    // Nothing half-made is left beside the versions; 1.0 still runs until it restarts.
    EXPECT_EQ(versions(), (std::vector<std::string> {"1.0", "2.0"}));

    // The next update, packed as the download is, keeps 2.0 as the one before and 1.0, which still
    // runs until it restarts.
    m_running = "2.0";
    const auto [next, nextItem] = release("3.0", true);
    ASSERT_TRUE(install(next, nextItem, {}, "1.0").installed);
    EXPECT_EQ(currentTarget(), "versions/3.0");
    EXPECT_EQ(versions(), (std::vector<std::string> {"1.0", "2.0", "3.0"}));
    // Restarted into 3.0, the next update lets 1.0 and 2.0 go.
    m_running = "3.0";
    const auto [last, lastItem] = release("4.0");
    ASSERT_TRUE(install(last, lastItem, {}, "3.0").installed);
    EXPECT_EQ(versions(), (std::vector<std::string> {"3.0", "4.0"}));
}

TEST_F(InstallTest, AnArchiveThatFailsACheckIsDeletedAndTheInstallIsUntouched)
{
    {
        SCOPED_TRACE("one byte changed after signing");
        const auto [archive, item] = release("2.0");
        std::string bytes = testing::readWholeFile(archive);
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
        testing::writeWholeFile(archive, bytes);
        expectRefused(install(archive, item), archive, "not signed");
    }
    {
        SCOPED_TRACE("cut short in the download");
        const auto [archive, item] = release("2.0");
        testing::writeWholeFile(archive, testing::readWholeFile(archive).substr(0, 100));
        expectRefused(install(archive, item), archive, "size");
    }
    {
        SCOPED_TRACE("signed by someone else");
        const auto [archive, item] = release("2.0");
        m_keys = makeSigningKeys();
        expectRefused(install(archive, item), archive, "not signed");
    }
    {
        SCOPED_TRACE("a version that would name a folder elsewhere");
        const auto [archive, item] = release("../../escape");
        expectRefused(install(archive, item), archive, "folder");
    }
    {
        SCOPED_TRACE("signed, but not a release of this program");
        const auto [archive, item]
            = download({{TestEntry::Kind::file, "Quillon-2.0-Linux/README", "hello\n", false, 0}}, "2.0");
        expectRefused(install(archive, item), archive, "not be unpacked as a release");
    }
    {
        SCOPED_TRACE("signed, but not an archive");
        const std::string bytes = "not a gzip file at all";
        const fs::path archive = m_root / ".download-text.tar.gz";
        testing::writeWholeFile(archive, bytes);
        expectRefused(install(archive, testing::signedItem(bytes, "2.0", m_keys.secretKeyBase64)), archive,
            "could not be unpacked");
    }
}

// The signature covers the archive, not the version the feed puts on it: the release's own record
// must say it is the announced build of this program, and newer than the one that runs.
TEST_F(InstallTest, AnOldOrForeignReleaseIsRefusedWhateverTheFeedCallsIt)
{
    {
        SCOPED_TRACE("a genuine 0.0.1 announced as 9.9");
        const std::string bytes = testing::tarGz(testing::releaseEntries("Quillon-0.0.1-Linux", "0.0.1"));
        const fs::path archive = m_root / ".download-replay.tar.gz";
        testing::writeWholeFile(archive, bytes);
        expectRefused(install(archive, testing::signedItem(bytes, "9.9", m_keys.secretKeyBase64)), archive,
            "not build 9.9");
        EXPECT_FALSE(fs::exists(m_root / "versions/9.9"));
    }
    {
        SCOPED_TRACE("the running build itself, announced as what it is");
        const auto [archive, item] = release("1.0");
        expectRefused(install(archive, item), archive, "not newer");
    }
    {
        SCOPED_TRACE("a newer build of another program by the same publisher");
        const auto [archive, item]
            = download(testing::releaseEntries("Other-2.0", "2.0", "com.example.Other"), "2.0");
        expectRefused(install(archive, item), archive, "another program");
    }
    {
        SCOPED_TRACE("a build newer than the running one, older than one installed from another session");
        testing::writeWholeFile(m_root / "versions/3.0/bin/quillon", "#!/bin/sh\necho 3.0\n", true);
        testing::writeWholeFile(m_root / "versions/3.0/share/quillon/info.json",
            "{\"CFBundleIdentifier\": \"com.quillon.Quillon\", \"CFBundleVersion\": \"3.0\"}");
        fs::remove(m_root / "current");
        fs::create_directory_symlink("versions/3.0", m_root / "current");
        const auto [archive, item] = release("2.0");
        const InstallOutcome outcome = install(archive, item);
        EXPECT_FALSE(outcome.installed);
        EXPECT_NE(outcome.error.find("installed already"), std::string::npos) << outcome.error;
        EXPECT_EQ(currentTarget(), "versions/3.0");
        EXPECT_EQ(versions(), (std::vector<std::string> {"1.0", "3.0"}));
        fs::remove(m_root / "current");
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        fs::remove_all(m_root / "versions/3.0");
    }
    {
        SCOPED_TRACE("a release without its record");
        std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
        entries.pop_back();
        const auto [archive, item] = download(entries, "2.0");
        expectRefused(install(archive, item), archive, "does not say");
    }
}

// An archive may carry only files, folders and links that stay inside the release; anything else
// could reach the user's other files, or, as root, make devices.
TEST_F(InstallTest, EntriesThatReachOutsideTheReleaseAreRefusedAndNothingOutsideIsTouched)
{
    // A folder of the user's outside the install, laid out as a release would be.
    const fs::path outside = m_folder / "precious";
    testing::writeWholeFile(outside / "2.0/bin/quillon", "#!/bin/sh\necho precious\n", true);
    const std::string top = "Quillon-2.0-Linux/";
    struct Case {
        const char* what;
        std::vector<TestEntry> extra;
        std::vector<TestEntry> replacing; // instead of the release, when not empty
    };
    const Case cases[] = {
        {"an absolute path", {{TestEntry::Kind::file, (outside / "planted").string(), "x", false, 0}}, {}},
        {"a path climbing out", {{TestEntry::Kind::file, top + "../../planted", "x", false, 0}}, {}},
        {"a link to an absolute path", {{TestEntry::Kind::link, top + "lib", outside.string(), false, 0}},
            {}},
        {"a link climbing out", {{TestEntry::Kind::link, top + "lib", "../../..", false, 0}}, {}},
        {"a file written through a link",
            {{TestEntry::Kind::link, top + "lib", ".", false, 0},
                {TestEntry::Kind::file, top + "lib/x", "x", false, 0}},
            {}},
        {"links that climb out together",
            {{TestEntry::Kind::folder, top + "a/b", "", false, 0},
                {TestEntry::Kind::link, top + "a/b/up", "../..", false, 0},
                {TestEntry::Kind::link, top + "a/b/out", "up/..", false, 0}},
            {}},
        // Each looks harmless on its own text, and on the disk the second leads back into the
        // release through a folder above it; moved beside the versions, it would lead elsewhere.
        {"a link that climbs after descending through another link",
            {{TestEntry::Kind::folder, top + "x/y", "", false, 0},
                {TestEntry::Kind::link, top + "x/y/deep", "../..", false, 0},
                {TestEntry::Kind::link, top + "x/y/escape", "deep/../Quillon-2.0-Linux/bin/quillon", false,
                    0}},
            {}},
        {"a link that leads nowhere", {{TestEntry::Kind::link, top + "lib", "missing", false, 0}}, {}},
        {"a hard link", {{TestEntry::Kind::hardLink, top + "passwd", "/etc/passwd", false, 0}}, {}},
        {"a named pipe", {{TestEntry::Kind::fifo, top + "pipe", "", false, 0}}, {}},
        {"a device", {{TestEntry::Kind::device, top + "null", "", false, 0}}, {}},
        {"an entry twice", {{TestEntry::Kind::file, top + "bin/quillon", "#!/bin/sh\necho twice\n", true, 0}},
            {}},
        // The download's layout with `versions` leading to the user's folder: the release would be
        // taken from there, and the folder moved into the install.
        {"a versions folder that is a link", {},
            {{TestEntry::Kind::link, "Quillon/versions", outside.string(), false, 0},
                {TestEntry::Kind::link, "Quillon/current", "versions/2.0", false, 0}}},
        {"a versions folder that is a link inside the archive", {},
            [] {
                std::vector<TestEntry> entries = testing::releaseEntries("Quillon/elsewhere/2.0", "2.0");
                entries.push_back({TestEntry::Kind::link, "Quillon/versions", "elsewhere", false, 0});
                return entries;
            }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<TestEntry> entries = c.replacing;
        if (entries.empty()) {
            entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
            entries.insert(entries.end(), c.extra.begin(), c.extra.end());
        }
        const auto [archive, item] = download(entries, "2.0");
        expectRefused(install(archive, item), archive, "");
        EXPECT_EQ(testing::readWholeFile(outside / "2.0/bin/quillon"), "#!/bin/sh\necho precious\n");
        EXPECT_FALSE(fs::exists(m_folder / "planted"));
        EXPECT_FALSE(fs::exists(outside / "planted"));
    }
    // Links inside the release are a release's own business, and are kept.
    std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
    entries.push_back({TestEntry::Kind::link, top + "bin/quillon-studio", "quillon", false, 0});
    entries.push_back({TestEntry::Kind::link, top + "share/quillon/record", "./info.json", false, 0});
    const auto [archive, item] = download(entries, "2.0");
    const InstallOutcome outcome = install(archive, item);
    ASSERT_TRUE(outcome.installed) << outcome.error;
    EXPECT_EQ(fs::read_symlink(m_root / "current/bin/quillon-studio"), "quillon");
}

// A release signed by the publisher may still be one that cannot run here: built for another
// processor, or unable to load its libraries. It is refused before it replaces the one that works.
TEST_F(InstallTest, AReleaseThatCannotStartHereIsRefused)
{
    // This program's own header, claiming another processor: AArch64 here, else x86-64.
    std::string foreign = testing::readWholeFile("/proc/self/exe").substr(0, 4096);
    const bool x86 = foreign[18] == 62;
    foreign[18] = static_cast<char>(x86 ? 183 : 62);
    foreign[19] = 0;
    const auto withStudio = [](const std::string& script) {
        std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
        entries[1].content = "#!/bin/sh\n" + script + "\n";
        return entries;
    };
    const struct {
        const char* name;
        std::vector<TestEntry> entries;
        const char* saying;
    } rows[] = {
        {"a helper program for another processor",
            [&] {
                auto entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
                entries.push_back(
                    {TestEntry::Kind::file, "Quillon-2.0-Linux/bin/quillon-widgets", foreign, true, 0});
                return entries;
            }(),
            "another kind of computer: bin/quillon-widgets"},
        {"a library for another processor",
            [&] {
                auto entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
                entries.push_back({TestEntry::Kind::file,
                    "Quillon-2.0-Linux/lib/quillon/widgets/liblampwork.so", foreign, false, 0});
                return entries;
            }(),
            "lib/quillon/widgets/liblampwork.so"},
        {"a studio whose libraries are missing",
            withStudio("echo 'quillon: error while loading shared libraries: libQt6Core.so.6' >&2; exit 127"),
            "status 127: quillon: error while loading shared libraries"},
        {"a studio of another build", withStudio("echo 'quillon 1.5 (build 1.5)'"),
            "did not say it is build 2.0"},
        {"a studio that crashes", withStudio("kill -SEGV $$"), "signal 11"},
        {"a studio that never answers", withStudio("sleep 600"), "did not answer within 1 seconds"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [archive, item] = download(row.entries, "2.0");
        ReleaseRequirements impatient = requirements();
        impatient.startDeadline = std::chrono::seconds(1);
        const int file = ::open(archive.c_str(), O_RDONLY | O_CLOEXEC);
        const InstallOutcome outcome
            = installDownloadedUpdate(SelfUpdatingInstall {m_root, ""}, file, item, impatient);
        ::close(file);
        expectRefused(outcome, archive, row.saying);
    }
}

// A studio or widget host of another session still runs from an old version: its files stay until
// it has ended, and go with the next update after that.
TEST_F(InstallTest, AVersionStillRunningInAnotherSessionIsKeptUntilItEnds)
{
    testing::writeWholeFile(m_root / "versions/0.9/bin/quillon", testing::studioScript("0.9"), true);
    auto otherSession = std::make_unique<RunningVersionMark>(SelfUpdatingInstall {m_root, "0.9"});
    ASSERT_TRUE(isVersionRunning(m_root / "versions/0.9"));
    EXPECT_FALSE(isVersionRunning(m_root / "versions/1.0"));
    const auto [archive, item] = release("2.0");
    ASSERT_TRUE(install(archive, item, {}, "1.0").installed);
    EXPECT_EQ(versions(), (std::vector<std::string> {"0.9", "1.0", "2.0"}));
    EXPECT_EQ(testing::readWholeFile(m_root / "versions/0.9/bin/quillon"), testing::studioScript("0.9"));
    otherSession.reset();
    m_running = "2.0";
    const auto [next, nextItem] = release("3.0");
    ASSERT_TRUE(install(next, nextItem, {}, "2.0").installed);
    EXPECT_EQ(versions(), (std::vector<std::string> {"2.0", "3.0"}));
}

// Copies running in two sessions may both install: one at a time, and what a run that crashed
// left half-unpacked goes with the next install.
TEST_F(InstallTest, OneInstallAtATimeAndLeftoversOfACrashedOneGo)
{
    fs::create_directories(m_root / "versions/.unpacking-999999/bin");
    const int lock = ::open((m_root / ".update-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    const auto [archive, item] = release("2.0");
    const InstallOutcome whileLocked = install(archive, item);
    EXPECT_FALSE(whileLocked.installed);
    EXPECT_NE(whileLocked.error.find("Another copy"), std::string::npos) << whileLocked.error;
    EXPECT_EQ(currentTarget(), "versions/1.0");
    ::close(lock);
    const auto [again, againItem] = release("2.0");
    const InstallOutcome unlocked = install(again, againItem);
    ASSERT_TRUE(unlocked.installed) << unlocked.error;
    EXPECT_EQ(versions(), (std::vector<std::string> {"1.0", "2.0"}));
}

// Reads a string as the archive's input.
class StringInput final : public ArchiveInput {
public:
    explicit StringInput(std::string bytes)
        : m_bytes(std::move(bytes))
    {
    }
    std::ptrdiff_t read(char* buffer, std::size_t capacity) override
    {
        const std::size_t count = std::min(capacity, m_bytes.size() - m_offset);
        std::copy_n(m_bytes.data() + m_offset, count, buffer);
        m_offset += count;
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    std::string m_bytes;
    std::size_t m_offset = 0;
};

TEST_F(InstallTest, TheUnpackingLimitsCountEveryFolderAndByte)
{
    const auto unpack = [&](const std::vector<TestEntry>& entries, const UnpackLimits& limits) {
        const fs::path into = m_folder / "into";
        fs::remove_all(into);
        fs::create_directories(into);
        StringInput input(testing::tarGz(entries));
        const int folder = ::open(into.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const UnpackResult result = unpackArchive(input, folder, limits);
        ::close(folder);
        return result;
    };
    // Two entries, but twelve folders made on the way to them.
    const std::vector<TestEntry> deep {{TestEntry::Kind::file, "a/b/c/d/e/f/file", "x", false, 0},
        {TestEntry::Kind::file, "g/h/i/j/k/l/file", "x", false, 0}};
    constexpr std::uint64_t block = kUnpackBlockBytes;
    EXPECT_EQ(unpack(deep, {100 * block, 10}).problem, UnpackProblem::tooLarge);
    EXPECT_EQ(unpack(deep, {100 * block, 14}).problem, UnpackProblem::none);
    // What they take on disk, up to the limit exactly, and not a block more: whole blocks, at least
    // one an entry, the folders made on the way included.
    const std::vector<TestEntry> sized {{TestEntry::Kind::file, "one", std::string(block + 1, 'a'), false, 0},
        {TestEntry::Kind::file, "two", std::string(400, 'b'), false, 0}};
    EXPECT_EQ(unpack(sized, {3 * block, 10}).problem, UnpackProblem::none);
    EXPECT_EQ(testing::readWholeFile(m_folder / "into/two"), std::string(400, 'b'));
    EXPECT_EQ(unpack(sized, {3 * block - 1, 10}).problem, UnpackProblem::tooLarge);
    EXPECT_EQ(unpack(deep, {14 * block, 20}).problem, UnpackProblem::none);
    EXPECT_EQ(unpack(deep, {14 * block - 1, 20}).problem, UnpackProblem::tooLarge);
}

// Tiny files pack to almost nothing and each take a block on disk: counted by their contents, an
// archive of half a megabyte unpacked to a quarter of a gigabyte.
TEST_F(InstallTest, AnArchiveOfManyTinyFilesIsStoppedByWhatTheyTakeOnDisk)
{
    std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
    for (int index = 0; index < 20000; ++index)
        entries.push_back(
            {TestEntry::Kind::file, "Quillon-2.0-Linux/share/tiny/" + std::to_string(index), "x", false, 0});
    const auto [archive, item] = download(entries, "2.0");
    ASSERT_LT(
        std::max(kUnpackedBytesFloor, item.enclosure.length * kMaxUnpackedRatio), 20000 * kUnpackBlockBytes);
    expectRefused(install(archive, item), archive, "unpacks to more");
}

TEST_F(InstallTest, AnArchiveThatUnpacksFarBeyondItsSizeIsStopped)
{
    std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
    entries.push_back({TestEntry::Kind::file, "Quillon-2.0-Linux/share/zeros", "", false, 256ull << 20});
    const auto [archive, item] = download(entries, "2.0");
    ASSERT_LT(item.enclosure.length, 1u << 20) << "a bomb: small packed, huge unpacked";
    expectRefused(install(archive, item), archive, "unpacks to more");
}

// The bytes unpacked are the bytes checked: a file swapped in under the download's name, or the
// download's own bytes rewritten, while the install runs, never get installed.
TEST_F(InstallTest, ChangingTheDownloadDuringTheInstallNeverInstallsWhatWasNotChecked)
{
    const std::string unsigned_
        = testing::tarGz(testing::releaseEntries("Quillon-2.0-Linux", "2.0-unsigned"));
    {
        SCOPED_TRACE("another file renamed over the download's name once it is checked");
        const auto [archive, item] = release("2.0");
        const fs::path planted = m_folder / "planted.tar.gz";
        bool swapped = false;
        const InstallOutcome outcome = install(archive, item, [&](std::uint64_t done, std::uint64_t) {
            if (done < item.enclosure.length || swapped)
                return;
            testing::writeWholeFile(planted, unsigned_);
            fs::rename(planted, archive);
            swapped = true;
        });
        ASSERT_TRUE(swapped);
        ASSERT_TRUE(outcome.installed) << outcome.error;
        EXPECT_EQ(testing::readWholeFile(m_root / "current/bin/quillon"), testing::studioScript("2.0"));
        fs::remove(archive);
        fs::remove(m_root / "current");
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        fs::remove_all(m_root / "versions/2.0");
    }
    {
        SCOPED_TRACE("the download's bytes rewritten in place once they are checked");
        const auto [archive, item] = release("2.0");
        const int writable = ::open(archive.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(writable, 0);
        std::string other = unsigned_;
        other.resize(item.enclosure.length, '\0');
        bool rewritten = false;
        const InstallOutcome outcome = install(archive, item, [&](std::uint64_t done, std::uint64_t) {
            if (done < item.enclosure.length || rewritten)
                return;
            rewritten
                = ::pwrite(writable, other.data(), other.size(), 0) == static_cast<ssize_t>(other.size());
        });
        ::close(writable);
        ASSERT_TRUE(rewritten);
        expectRefused(outcome, archive, "changed");
    }
    {
        SCOPED_TRACE("a pipe instead of a file");
        const auto [genuine, item] = release("2.0");
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const InstallOutcome outcome
            = installDownloadedUpdate(SelfUpdatingInstall {m_root, ""}, pipeEnds[0], item, requirements());
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        expectRefused(outcome, genuine, "size");
    }
}

} // namespace
} // namespace quillon
