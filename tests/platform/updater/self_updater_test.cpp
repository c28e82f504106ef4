// The whole update path over real sockets: a small HTTP server on the loopback address serves a
// feed and a signed release, and the updater finds, downloads, checks and installs it.
#include "platform/updater/self_updater.h"
#include "platform/updater/update_signature.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

using namespace quillon;
namespace fs = std::filesystem;

namespace {

// Answers GET requests for the paths it was given, and 404 for the rest.
class FileServer final : public QObject {
public:
    FileServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                // Each connection's request is gathered apart: a table keyed by the socket's address
                // mixed in the request of an earlier socket that had lived at the same address.
                auto request = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] { answer(*socket, *request); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString url(const QString& path) const { return QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path); }
    std::map<QByteArray, QByteArray> files;

private:
    void answer(QTcpSocket& socket, QByteArray& request)
    {
        request += socket.readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        const auto found = files.find(path);
        const QByteArray body = found == files.end() ? QByteArray("not here") : found->second;
        socket.write((found == files.end() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n") +
                     QByteArray("Content-Length: ") + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                     body);
        socket.disconnectFromHost();
    }

    QTcpServer m_server;
};

class ScriptedDriver final : public UpdateUserDriver {
public:
    bool askToCheckAutomatically() override { return true; }
    UpdateChoice showUpdateFound(const AppcastItem& update, const std::string&, bool) override
    {
        found.push_back(update.version);
        return choice;
    }
    void showUpToDate(const std::string&) override { ++upToDate; }
    void showDownloadProgress(std::uint64_t received, std::uint64_t total) override { lastProgress = {received, total}; }
    bool offerRelaunch(const AppcastItem&) override
    {
        ++relaunchOffers;
        return false;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
    void openDownloadPage(const std::string& url) override { pages.push_back(url); }

    // What the user has been shown so far, for the message of a failed wait.
    QString describe() const
    {
        QStringList shownErrors;
        for (const std::string& error : errors)
            shownErrors << QString::fromStdString(error);
        return QString("found %1 update(s), progress %2 of %3 bytes, up to date %4 time(s), errors: [%5]")
            .arg(found.size())
            .arg(lastProgress.first)
            .arg(lastProgress.second)
            .arg(upToDate)
            .arg(shownErrors.join("; "));
    }

    UpdateChoice choice = UpdateChoice::install;
    std::vector<std::string> found;
    std::vector<std::string> errors;
    std::vector<std::string> pages;
    std::pair<std::uint64_t, std::uint64_t> lastProgress;
    int upToDate = 0;
    int relaunchOffers = 0;
};

// Waits until the updater has finished that many checks. A loaded machine gets half a minute, and a
// failure says what the user had been shown by then.
#define WAIT_FOR_CHECKS(spy, checks)                                                                   \
    QTRY_VERIFY2_WITH_TIMEOUT((spy).count() >= (checks),                                               \
        qPrintable(QString("%1 check(s) finished; ").arg((spy).count()) + m_driver.describe()), 30000)

// moc cannot read raw string literals, so the feed is spelt out.
constexpr const char* kFeed =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">\n"
    "  <channel><title>Quillon</title>\n"
    "    <item><title>Quillon %1</title><sparkle:version>%1</sparkle:version>\n"
    "      <description><![CDATA[<p>What is new.</p>]]></description>\n"
    "      <enclosure url=\"%2\" length=\"%3\" type=\"application/gzip\" sparkle:edSignature=\"%4\"/>\n"
    "    </item>\n"
    "  </channel>\n"
    "</rss>\n";

QByteArray readFile(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()});
}

} // namespace

class SelfUpdaterTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_driver = ScriptedDriver();
        m_folder = std::make_unique<QTemporaryDir>();
        m_root = fs::path(m_folder->path().toStdString()) / "Quillon";
        fs::create_directories(m_root / "versions/1.0/bin");
        std::ofstream(m_root / "versions/1.0/bin/quillon") << "#!/bin/sh\n";
        fs::permissions(m_root / "versions/1.0/bin/quillon", fs::perms::owner_all);
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        m_keys = makeSigningKeys();
        // The release archive of 2.0, made as packaging tools make them.
        const fs::path staging = fs::path(m_folder->path().toStdString()) / "staging/Quillon-2.0-Linux/bin";
        fs::create_directories(staging);
        std::ofstream(staging / "quillon") << "#!/bin/sh\necho 2.0\n";
        fs::permissions(staging / "quillon", fs::perms::owner_all);
        const fs::path archive = fs::path(m_folder->path().toStdString()) / "release.tar.gz";
        const std::string command =
            "tar -czf '" + archive.string() + "' -C '" + staging.parent_path().parent_path().string() + "' .";
        QCOMPARE(std::system(command.c_str()), 0);
        m_archive = readFile(archive);
        m_settings = std::make_unique<QSettings>(m_folder->filePath("settings.conf"), QSettings::IniFormat);
    }

    void aNewerReleaseIsFoundDownloadedCheckedAndInstalled()
    {
        serve("2.0", m_archive, signBytes(m_archive.toStdString(), m_keys.secretKeyBase64));
        SelfUpdater updater(configuration(m_server.url("/appcast.xml")), *m_settings, m_driver);
        QVERIFY(updater.canCheckForUpdates());
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        QSignalSpy canCheck(&updater, &UpdateEngine::canCheckForUpdatesChanged);
        updater.checkForUpdates();
        QVERIFY(!updater.canCheckForUpdates()); // a check is under way
        WAIT_FOR_CHECKS(finished, 1);
        QCOMPARE(finished.first().first().toString(), QString());
        QCOMPARE(m_driver.found, std::vector<std::string>{"2.0"});
        QVERIFY2(m_driver.errors.empty(), m_driver.errors.empty() ? "" : m_driver.errors.front().c_str());
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/2.0"));
        QCOMPARE(readFile(m_root / "current/bin/quillon"), QByteArray("#!/bin/sh\necho 2.0\n"));
        QCOMPARE(m_driver.lastProgress.second, static_cast<std::uint64_t>(m_archive.size()));
        QCOMPARE(m_driver.relaunchOffers, 1);
        QVERIFY(updater.lastUpdateCheckDate().has_value());
        QVERIFY(updater.canCheckForUpdates());
        QCOMPARE(canCheck.count(), 2); // off for the check, on again after it
        // Installed, the release is not offered again before the program restarts into it.
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 2);
        QCOMPARE(m_driver.found, std::vector<std::string>{"2.0"});
        QCOMPARE(m_driver.upToDate, 1);
    }

    void aFailedAutomaticCheckWaitsItsTurnBeforeTheNext()
    {
        // Nothing listens on the feed's port: every check fails.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const QString feed = QString("http://127.0.0.1:%1/appcast.xml").arg(closed.serverPort());
        closed.close();
        m_settings->setValue("Updates/lastCheck", (Instant::now() + -2 * 86400.0).secondsSinceReferenceDate);
        SelfUpdater updater(configuration(feed), *m_settings, m_driver);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.setAutomaticallyChecksForUpdates(true); // due at once: the last check was two days ago
        WAIT_FOR_CHECKS(finished, 1);
        QTest::qWait(1000);
        QCOMPARE(finished.count(), 1); // not again at once, nor in a loop
        QVERIFY2(m_driver.errors.empty(), qPrintable(m_driver.describe())); // an automatic check that fails says nothing
    }

    void aFeedClaimingAHugeArchiveIsNotBelieved()
    {
        serve("2.0", m_archive, signBytes(m_archive.toStdString(), m_keys.secretKeyBase64));
        m_server.files["/appcast.xml"].replace(QByteArray("length=\"") + QByteArray::number(m_archive.size()),
                                                "length=\"600000000");
        SelfUpdater updater(configuration(m_server.url("/appcast.xml")), *m_settings, m_driver);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 1);
        QVERIFY2(m_driver.errors.size() == 1, qPrintable(m_driver.describe()));
        QVERIFY2(QString::fromStdString(m_driver.errors.front()).contains("larger"), m_driver.errors.front().c_str());
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
    }

    void aTamperedDownloadIsRefusedAndTheInstallIsUntouched()
    {
        QByteArray tampered = m_archive;
        tampered[tampered.size() / 2] = static_cast<char>(tampered[tampered.size() / 2] ^ 0x01);
        serve("2.0", tampered, signBytes(m_archive.toStdString(), m_keys.secretKeyBase64));
        SelfUpdater updater(configuration(m_server.url("/appcast.xml")), *m_settings, m_driver);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 1);
        QVERIFY2(m_driver.errors.size() == 1, qPrintable(m_driver.describe()));
        QVERIFY2(QString::fromStdString(m_driver.errors.front()).contains("not signed"), m_driver.errors.front().c_str());
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        for (const auto& entry : fs::directory_iterator(m_root))
            QVERIFY2(!entry.path().filename().string().starts_with(".download"), "the download is deleted");
        QCOMPARE(m_driver.relaunchOffers, 0);
    }

    void nothingNewerSaysSoAndOtherAnswersInstallNothing()
    {
        serve("1.0", m_archive, signBytes(m_archive.toStdString(), m_keys.secretKeyBase64));
        {
            SelfUpdater updater(configuration(m_server.url("/appcast.xml")), *m_settings, m_driver);
            QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
            updater.checkForUpdates();
            WAIT_FOR_CHECKS(finished, 1);
            QCOMPARE(m_driver.upToDate, 1);
        }
        serve("2.0", m_archive, signBytes(m_archive.toStdString(), m_keys.secretKeyBase64));
        m_driver.choice = UpdateChoice::skip;
        SelfUpdater updater(configuration(m_server.url("/appcast.xml")), *m_settings, m_driver);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 1);
        QCOMPARE(m_settings->value("Updates/skippedVersion").toString(), QString("2.0"));
        // Where the program cannot replace itself, installing opens the download page.
        SelfUpdaterConfiguration packaged = configuration(m_server.url("/appcast.xml"));
        packaged.install.reset();
        m_driver.choice = UpdateChoice::install;
        SelfUpdater fromPackage(packaged, *m_settings, m_driver);
        QSignalSpy packagedFinished(&fromPackage, &SelfUpdater::checkFinished);
        fromPackage.checkForUpdates(); // asked for by the user: a skipped version is offered again
        WAIT_FOR_CHECKS(packagedFinished, 1);
        QCOMPARE(m_driver.pages, std::vector<std::string>{"https://quillon.com/download"});
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
    }

    void onlySecureAddressesAreUsed()
    {
        QVERIFY(SelfUpdater::isAllowedUrl(QUrl("https://example.com/appcast.xml")));
        QVERIFY(SelfUpdater::isAllowedUrl(QUrl("http://127.0.0.1:8080/appcast.xml")));
        QVERIFY(!SelfUpdater::isAllowedUrl(QUrl("http://example.com/appcast.xml")));
        QVERIFY(!SelfUpdater::isAllowedUrl(QUrl("file:///etc/passwd")));
        SelfUpdater updater(configuration("http://example.com/appcast.xml"), *m_settings, m_driver);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        QCOMPARE(finished.count(), 1);
        QVERIFY2(m_driver.errors.size() == 1, qPrintable(m_driver.describe()));
    }

private:
    SelfUpdaterConfiguration configuration(const QString& feed) const
    {
        return {QUrl(feed), m_keys.publicKeyBase64, "1.0", "6.1", SelfUpdatingInstall{m_root, ""}, "https://quillon.com/download"};
    }

    void serve(const std::string& version, const QByteArray& archive, const std::string& signature)
    {
        m_server.files["/Quillon.tar.gz"] = archive;
        m_server.files["/appcast.xml"] = QString(kFeed)
                                                 .arg(QString::fromStdString(version), m_server.url("/Quillon.tar.gz"))
                                                 .arg(archive.size())
                                                 .arg(QString::fromStdString(signature))
                                                 .toUtf8();
    }

    FileServer m_server;
    ScriptedDriver m_driver;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QSettings> m_settings;
    fs::path m_root;
    SigningKeys m_keys;
    QByteArray m_archive;
};

QTEST_GUILESS_MAIN(SelfUpdaterTest)
#include "self_updater_test.moc"
