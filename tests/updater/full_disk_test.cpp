// The update path on a disk that fills up: run by tests/support/with_small_disk.sh, which gives the
// program a small file system of its own in QUILLON_SMALL_DISK. The user is told that the disk is
// full and where, and the install is left as it was.
#include "tests/updater/loopback_update_server.h"
#include "tests/updater/test_archives.h"
#include "updater/self_updater.h"
#include "updater/update_signature.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <random>

using namespace quillon;
using quillon::testing::TestEntry;
namespace fs = std::filesystem;

namespace {

// A release larger than the small disk: random bytes do not compress.
std::string largeRelease()
{
    std::vector<TestEntry> entries = testing::releaseEntries("Quillon-2.0-Linux", "2.0");
    std::mt19937 random(3);
    std::string noise(6 << 20, '\0');
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<char>(random()); });
    entries.push_back({TestEntry::Kind::file, "Quillon-2.0-Linux/share/noise", noise, false, 0});
    return testing::tarGz(entries);
}

std::uint64_t freeBytes(const fs::path& folder)
{
    struct statvfs status { };
    return statvfs(folder.c_str(), &status) == 0 ? std::uint64_t(status.f_bavail) * status.f_frsize : 0;
}

std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        const QByteArray disk = qgetenv("QUILLON_SMALL_DISK");
        if (disk.isEmpty())
            QSKIP("needs a small disk of its own: run through tests/support/with_small_disk.sh");
        m_root = fs::path(disk.toStdString()) / "Quillon";
        fs::remove_all(m_root);
        testing::writeWholeFile(m_root / "versions/1.0/bin/quillon", "#!/bin/sh\n", true);
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        m_keys = makeSigningKeys();
        m_release = largeRelease();
        QVERIFY2(m_release.size() > freeBytes(m_root), "the release must not fit on the small disk");
    }

    void unpackingSaysTheDiskIsFullAndWhere()
    {
        // The download itself lies elsewhere: only the unpacking meets the full disk.
        QTemporaryDir elsewhere;
        const fs::path archive = fs::path(elsewhere.path().toStdString()) / "Quillon-2.0.tar.gz";
        testing::writeWholeFile(archive, m_release);
        const std::uint64_t freeBefore = freeBytes(m_root);
        const int file = ::open(archive.c_str(), O_RDONLY | O_CLOEXEC);
        QVERIFY(file >= 0);
        const InstallOutcome outcome = installDownloadedUpdate(SelfUpdatingInstall {m_root, ""}, file,
            testing::signedItem(m_release, "2.0", m_keys.secretKeyBase64),
            {m_keys.publicKeyBase64, testing::kProgramIdentifier, "1.0"});
        ::close(file);
        QVERIFY(!outcome.installed);
        QCOMPARE(QString::fromStdString(outcome.error),
            QString::fromStdString("There is not enough space on the disk to unpack the update in "
                + (m_root / "versions").string() + "."));
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        QCOMPARE(entriesOf(m_root / "versions"), std::vector<std::string> {"1.0"});
        QCOMPARE(freeBytes(m_root), freeBefore); // what was unpacked is gone again
    }

    void downloadingSaysTheDiskIsFullAndWhere()
    {
        testing::LoopbackServer server;
        testing::ScriptedUser user;
        server.files["/Quillon.tar.gz"] = QByteArray::fromStdString(m_release);
        const AppcastItem item = testing::signedItem(m_release, "2.0", m_keys.secretKeyBase64);
        server.files["/appcast.xml"] = QString(
            "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><item>"
            "<sparkle:version>2.0</sparkle:version><enclosure url=\"%1\" length=\"%2\" "
            "sparkle:edSignature=\"%3\"/>"
            "</item></channel></rss>")
                                           .arg(server.url("/Quillon.tar.gz"))
                                           .arg(m_release.size())
                                           .arg(QString::fromStdString(item.enclosure.edSignature))
                                           .toUtf8();
        QTemporaryDir settingsFolder;
        QSettings settings(settingsFolder.filePath("settings.conf"), QSettings::IniFormat);
        SelfUpdater updater(
            {QUrl(server.url("/appcast.xml")), m_keys.publicKeyBase64, testing::kProgramIdentifier, "1.0",
                "1.0", {"6.1", "x86_64"}, SelfUpdatingInstall {m_root, ""}, "https://quillon.com/download"},
            settings, user);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        QTRY_VERIFY2_WITH_TIMEOUT(!finished.isEmpty(), qPrintable(user.describe()), 30000);
        QCOMPARE(user.errors,
            std::vector<std::string> {
                "There is not enough space on the disk to download the update to " + m_root.string() + "."});
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        QCOMPARE(
            entriesOf(m_root), (std::vector<std::string> {"current", "versions"})); // no partial download
    }

private:
    fs::path m_root;
    SigningKeys m_keys;
    std::string m_release;
};

QTEST_GUILESS_MAIN(FullDiskTest)
#include "full_disk_test.moc"
