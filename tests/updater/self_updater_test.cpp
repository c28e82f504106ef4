// The whole update path over real sockets: a small HTTP server on the loopback address serves a
// feed and signed releases, and the updater finds, downloads, checks and installs them, or refuses
// them.
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"
#include "tests/updater/loopback_update_server.h"
#include "tests/updater/test_archives.h"
#include "updater/bounded_transfer.h"
#include "updater/self_updater.h"
#include "updater/update_signature.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <random>

using namespace quillon;
using quillon::testing::LoopbackServer;
using quillon::testing::ScriptedUser;
using quillon::testing::TestEntry;
namespace fs = std::filesystem;

// Waits until the updater has finished that many checks. A loaded machine gets half a minute, and a
// failure says what the user had been shown by then.
#define WAIT_FOR_CHECKS(spy, checks)                                                                         \
    QTRY_VERIFY2_WITH_TIMEOUT((spy).count() >= (checks),                                                     \
        qPrintable(QString("%1 check(s) finished; ").arg((spy).count()) + m_user.describe()), 30000)

#define VERIFY_ERROR_SAYS(words) QVERIFY2(m_user.anErrorSays(words), qPrintable(m_user.describe()))

// checkOnce, and the test stops where that failed.
#define CHECK_ONCE(config)                                                                                   \
    do {                                                                                                     \
        checkOnce(config);                                                                                   \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

namespace {

// moc cannot read raw string literals, so the feed is spelt out.
constexpr const char* kFeed
    = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">\n"
      "  <channel><title>Quillon</title>\n"
      "    <item><title>Quillon %5</title><sparkle:version>%1</sparkle:version>\n"
      "      <sparkle:shortVersionString>%5</sparkle:shortVersionString>\n"
      "      <description><![CDATA[<p>What is new.</p>]]></description>\n"
      "      <enclosure url=\"%2\" length=\"%3\" type=\"application/gzip\" sparkle:edSignature=\"%4\"/>\n"
      "    </item>\n"
      "  </channel>\n"
      "</rss>\n";

QByteArray releaseArchive(const std::string& build, std::uint64_t randomBytes = 0)
{
    std::vector<TestEntry> entries = testing::releaseEntries("Quillon-" + build + "-Linux", build);
    if (randomBytes) {
        // Incompressible, so that checking and unpacking take a while.
        std::mt19937 random(11);
        std::string noise(randomBytes, '\0');
        std::generate(noise.begin(), noise.end(), [&] { return static_cast<char>(random()); });
        entries.push_back(
            {TestEntry::Kind::file, "Quillon-" + build + "-Linux/share/noise", noise, false, 0});
    }
    return QByteArray::fromStdString(testing::tarGz(entries));
}

} // namespace

class SelfUpdaterTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_user = ScriptedUser();
        m_server.files.clear();
        m_server.streamed.clear();
        m_server.sent.clear();
        m_server.trickled.clear();
        m_folder = std::make_unique<QTemporaryDir>();
        m_root = fs::path(m_folder->path().toStdString()) / "Quillon";
        testing::writeWholeFile(m_root / "versions/1.0/bin/quillon", "#!/bin/sh\n", true);
        fs::create_directory_symlink("versions/1.0", m_root / "current");
        m_keys = makeSigningKeys();
        m_settings = std::make_unique<QSettings>(m_folder->filePath("settings.conf"), QSettings::IniFormat);
    }

    // The feed's sparkle:version is the build version, compared with the running build's; the short
    // versions are what people are shown.
    void aNewerBuildIsInstalledOnceAndNotOfferedAgainAfterTheRestart()
    {
        serve("2100", "2.1", releaseArchive("2100"));
        SelfUpdater updater(configuration("2000", "2.0"), *m_settings, m_user);
        QVERIFY(updater.canCheckForUpdates());
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        QSignalSpy canCheck(&updater, &UpdateEngine::canCheckForUpdatesChanged);
        updater.checkForUpdates();
        QVERIFY(!updater.canCheckForUpdates()); // a check is under way
        WAIT_FOR_CHECKS(finished, 1);
        QCOMPARE(finished.first().first().toString(), QString());
        QCOMPARE(m_user.found, std::vector<std::string> {"2100"});
        QCOMPARE(m_user.shownCurrentVersions, std::vector<std::string> {"2.0"});
        QVERIFY2(m_user.errors.empty(), qPrintable(m_user.describe()));
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/2100"));
        QCOMPARE(testing::readWholeFile(m_root / "current/bin/quillon"), testing::studioScript("2100"));
        QCOMPARE(
            m_user.lastProgress.second, static_cast<std::uint64_t>(m_server.files["/Quillon.tar.gz"].size()));
        QCOMPARE(m_user.lastInstallProgress.first, m_user.lastInstallProgress.second);
        QCOMPARE(m_user.relaunchOffers, 1);
        QVERIFY(updater.lastUpdateCheckDate().has_value());
        QVERIFY(updater.canCheckForUpdates());
        QCOMPARE(canCheck.count(), 2); // off for the check, on again after it
        // Installed, the release is not offered again before the program restarts into it.
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 2);
        QCOMPARE(m_user.found.size(), std::size_t(1));
        QCOMPARE(m_user.upToDate, std::vector<std::string> {"2.1"});
        // Nor after it: the new build runs.
        CHECK_ONCE(configuration("2100", "2.1"));
        QCOMPARE(m_user.found.size(), std::size_t(1));
        QCOMPARE(m_user.upToDate, (std::vector<std::string> {"2.1", "2.1"}));
    }

    void aReleaseWithAHigherShortVersionButAnOlderBuildIsNoUpdate()
    {
        serve("2", "0.2.0", releaseArchive("2"));
        CHECK_ONCE(configuration("3", "0.3.0"));
        QVERIFY2(m_user.found.empty(), qPrintable(m_user.describe()));
        QCOMPARE(m_user.upToDate, std::vector<std::string> {"0.3.0"});
    }

    // A genuinely signed older release, announced as newer than anything: its own record gives it
    // away, and nothing is installed.
    void aReplayedOldReleaseIsRefused()
    {
        serve("9.9", "9.9", releaseArchive("0.0.1"));
        CHECK_ONCE(configuration());
        VERIFY_ERROR_SAYS("not build 9.9");
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        QVERIFY(!fs::exists(m_root / "versions/9.9"));
        QCOMPARE(m_user.relaunchOffers, 0);
    }

    void aTamperedDownloadIsRefusedAndTheInstallIsUntouched()
    {
        const QByteArray genuine = releaseArchive("2.0");
        QByteArray tampered = genuine;
        tampered[tampered.size() / 2] = static_cast<char>(tampered[tampered.size() / 2] ^ 0x01);
        serve("2.0", "2.0", tampered, signBytes(genuine.toStdString(), m_keys.secretKeyBase64));
        CHECK_ONCE(configuration());
        QVERIFY2(m_user.errors.size() == 1, qPrintable(m_user.describe()));
        VERIFY_ERROR_SAYS("not signed");
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        for (const auto& entry : fs::directory_iterator(m_root))
            QVERIFY2(!entry.path().filename().string().starts_with(".download"), "the download is deleted");
        QCOMPARE(m_user.relaunchOffers, 0);
    }

    // Checking and unpacking run beside the event loop: the windows repaint and answer meanwhile,
    // and the progress they show comes through it.
    void theEventLoopRunsWhileTheUpdateIsInstalled()
    {
        serve("2.0", "2.0", releaseArchive("2.0", 8 << 20));
        SelfUpdater updater(configuration(), *m_settings, m_user);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        int turnsWhileInstalling = 0;
        QTimer turn;
        connect(&turn, &QTimer::timeout, this, [&] {
            const bool downloaded
                = m_user.lastProgress.second && m_user.lastProgress.first == m_user.lastProgress.second;
            if (downloaded && finished.isEmpty())
                ++turnsWhileInstalling;
        });
        turn.start(0);
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 1);
        QVERIFY2(m_user.errors.empty(), qPrintable(m_user.describe()));
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/2.0"));
        QVERIFY2(turnsWhileInstalling > 0, "the event loop stood still while the update was installed");
        QVERIFY2(m_user.installProgressCalls > 2, qPrintable(m_user.describe()));
        QCOMPARE(m_user.lastInstallProgress.first, m_user.lastInstallProgress.second);
    }

    // Quitting while an update is being installed stops it and waits for it: the install is left
    // with one whole version current, never half of one.
    void quittingDuringTheInstallLeavesOneWholeVersion()
    {
        serve("2.0", "2.0", releaseArchive("2.0", 8 << 20));
        auto updater = std::make_unique<SelfUpdater>(configuration(), *m_settings, m_user);
        updater->checkForUpdates();
        QTRY_VERIFY2_WITH_TIMEOUT(m_user.installProgressCalls > 0, qPrintable(m_user.describe()), 30000);
        updater.reset();
        const fs::path current = fs::read_symlink(m_root / "current");
        QVERIFY2(current == "versions/1.0" || current == "versions/2.0", current.c_str());
        QVERIFY(fs::exists(m_root / "current/bin/quillon"));
        for (const auto& entry : fs::directory_iterator(m_root / "versions"))
            QVERIFY2(
                !entry.path().filename().string().starts_with("."), "a half-unpacked release is left behind");
        for (const auto& entry : fs::directory_iterator(m_root))
            QVERIFY2(
                !entry.path().filename().string().starts_with(".download"), "the download is left behind");
    }

    void aFailedAutomaticCheckWaitsItsTurnBeforeTheNext()
    {
        // Nothing listens on the feed's port: every check fails.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        SelfUpdaterConfiguration withClosedFeed = configuration();
        withClosedFeed.feed = QUrl(QString("http://127.0.0.1:%1/appcast.xml").arg(closed.serverPort()));
        closed.close();
        m_settings->setValue("Updates/lastCheck", (Instant::now() + -2 * 86400.0).secondsSinceReferenceDate);
        SelfUpdater updater(withClosedFeed, *m_settings, m_user);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.setAutomaticallyChecksForUpdates(true); // due at once: the last check was two days ago
        WAIT_FOR_CHECKS(finished, 1);
        QTest::qWait(1000);
        QCOMPARE(finished.count(), 1); // not again at once, nor in a loop
        QVERIFY2(m_user.errors.empty(),
            qPrintable(m_user.describe())); // an automatic check that fails says nothing
    }

    // Limits hold before and where the bytes are read: a release the feed claims larger than any is
    // not fetched, and a download longer than announced stops at the first byte over, whether the
    // server says its length or streams without one.
    void aReleaseBeyondItsSizeLimitIsRefused()
    {
        const QByteArray archive = releaseArchive("2.0");
        const QByteArray longer = archive + QByteArray(16 << 20, 'x');
        for (const std::string_view fault : {"claimed huge", "longer", "longer, streamed"}) {
            m_user = ScriptedUser();
            serve("2.0", "2.0", archive);
            if (fault == "claimed huge")
                m_server.files["/appcast.xml"].replace(
                    QByteArray("length=\"") + QByteArray::number(archive.size()), "length=\"600000000");
            else if (fault == "longer")
                m_server.files["/Quillon.tar.gz"] = longer;
            else
                m_server.streamed["/Quillon.tar.gz"] = longer.size();
            CHECK_ONCE(configuration());
            QVERIFY2(m_user.errors.size() == 1, qPrintable(m_user.describe()));
            VERIFY_ERROR_SAYS(
                fault == "claimed huge" ? "larger than any release" : "larger than the update feed says");
            QVERIFY2(m_user.mostReceived <= static_cast<std::uint64_t>(archive.size()),
                qPrintable(m_user.describe()));
            QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        }
    }

    void anEndlessFeedIsCutOffAtTheFeedLimit()
    {
        m_server.streamed["/appcast.xml"] = LoopbackServer::kEndless;
        CHECK_ONCE(configuration());
        VERIFY_ERROR_SAYS("larger than any feed");
        // Whatever the socket buffers on the way held, the server was stopped near the limit rather
        // than after tens of megabytes.
        const qint64 sent = m_server.sent["/appcast.xml"];
        QVERIFY2(sent < 16 * static_cast<qint64>(kMaxAppcastBytes),
            qPrintable(QString("%1 bytes sent").arg(sent)));
    }

    // What the updater builds its limits on: no byte over the limit reaches the taker, and the
    // transfer ends there, whether the server announces the length or streams without end.
    void aTransferHandsOnNoByteBeyondItsLimit()
    {
        constexpr std::uint64_t limit = 300 * 1024 + 7;
        m_server.files["/announced"] = QByteArray(4 << 20, 'x');
        m_server.streamed["/endless"] = LoopbackServer::kEndless;
        QNetworkAccessManager network;
        for (const char* path : {"/endless", "/announced"}) {
            QNetworkReply* reply = network.get(QNetworkRequest(QUrl(m_server.url(path))));
            std::uint64_t taken = 0;
            auto* transfer
                = new BoundedTransfer(reply, limit, std::chrono::minutes(1), [&](std::string_view piece) {
                      taken += piece.size();
                      return true;
                  });
            QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 30000);
            QCOMPARE(transfer->stop(), BoundedTransfer::Stop::tooLarge);
            QVERIFY2(taken <= limit, qPrintable(QString("%1: %2 bytes taken").arg(path).arg(taken)));
            QCOMPARE(transfer->received(), taken);
            delete reply;
        }
    }

    // Qt's own timeout waits for a pause, and a server that sends a byte every moment never makes
    // one: the feed and the download each have a deadline for the whole transfer.
    void aTricklingServerMeetsTheDeadline()
    {
        for (const char* slow : {"/appcast.xml", "/Quillon.tar.gz"}) {
            m_user = ScriptedUser();
            serve("2.0", "2.0", releaseArchive("2.0"));
            m_server.trickled[slow] = 100;
            SelfUpdaterConfiguration impatient = configuration();
            impatient.feedDeadline = std::chrono::seconds(2);
            impatient.downloadDeadlineBase = std::chrono::seconds(2);
            impatient.slowestBytesPerSecond = 1 << 30;
            QElapsedTimer clock;
            clock.start();
            CHECK_ONCE(impatient);
            QVERIFY2(clock.elapsed() < 20000, qPrintable(QString("%1 ms").arg(clock.elapsed())));
            VERIFY_ERROR_SAYS(std::string_view(slow) == "/appcast.xml" ? "within 2 second" : "too slow");
            QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
            m_server.trickled.clear();
        }
    }

    // Cancel stops the download or the install at once, tells of no error, and leaves nothing: the
    // download never has a name in the install's folder, for anyone to replace or find left over.
    void cancelStopsTheUpdateAndLeavesNothingBehind()
    {
        // The install's lock stays, as the lock of any install does.
        const auto entriesOf = [](const fs::path& folder) {
            QStringList names;
            for (const auto& entry : fs::directory_iterator(folder)) {
                if (entry.path().filename() != ".update-lock")
                    names << QString::fromStdString(entry.path().filename().string());
            }
            names.sort();
            return names.join(", ");
        };
        const QString rootBefore = entriesOf(m_root);
        for (const char* when : {"downloading", "installing"}) {
            m_user = ScriptedUser();
            serve("2.0", "2.0", releaseArchive("2.0", 8 << 20));
            const bool downloading = std::string_view(when) == "downloading";
            if (downloading)
                m_server.trickled["/Quillon.tar.gz"] = 20;
            QString rootWhileDownloading;
            m_user.onDownloadProgress = [&](std::uint64_t received) {
                rootWhileDownloading = entriesOf(m_root);
                if (downloading && received > 0 && m_user.cancel)
                    m_user.cancel();
            };
            m_user.onInstallProgress = [&](std::uint64_t) {
                if (!downloading && m_user.cancel)
                    m_user.cancel();
            };
            SelfUpdater updater(configuration(), *m_settings, m_user);
            QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
            updater.checkForUpdates();
            WAIT_FOR_CHECKS(finished, 1);
            QVERIFY2(m_user.errors.empty(), qPrintable(when + (": " + m_user.describe())));
            QVERIFY2(m_user.progressClosed > 0, when);
            QCOMPARE(finished.first().first().toString(), QString());
            QVERIFY(updater.canCheckForUpdates());
            QCOMPARE(rootWhileDownloading, rootBefore);
            QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
            QCOMPARE(entriesOf(m_root / "versions"), QString("1.0"));
            QCOMPARE(entriesOf(m_root), rootBefore);
            QCOMPARE(m_user.relaunchOffers, 0);
            m_server.trickled.clear();
        }
    }

    // A run that was killed, or a machine that lost power, left a download and half an unpacking:
    // they go when the program next starts, unless another copy is installing right then.
    void leftoversOfARunThatEndedHalfwayGoAtTheNextStart()
    {
        testing::writeWholeFile(m_root / ".download-999999.tar.gz", std::string(4096, 'x'));
        testing::writeWholeFile(m_root / "versions/.unpacking-999999/bin/quillon", "#!/bin/sh\n", true);
        fs::create_directory_symlink("versions/1.0", m_root / ".current-999999");
        const int lock = ::open((m_root / ".update-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(lock >= 0);
        QCOMPARE(flock(lock, LOCK_EX), 0);
        {
            SelfUpdater installingElsewhere(configuration(), *m_settings, m_user);
            installingElsewhere.start();
            QVERIFY(fs::exists(m_root / "versions/.unpacking-999999"));
        }
        ::close(lock);
        SelfUpdater updater(configuration(), *m_settings, m_user);
        updater.start();
        QVERIFY(!fs::exists(m_root / ".download-999999.tar.gz"));
        QVERIFY(!fs::exists(m_root / "versions/.unpacking-999999"));
        QVERIFY(!fs::exists(fs::symlink_status(m_root / ".current-999999")));
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
        QVERIFY(fs::exists(m_root / "versions/1.0/bin/quillon"));
    }

    // The launcher went back from a build that could not start here: the user is told once, and
    // the build is not offered again unless they check for updates themselves.
    void aBuildThatCouldNotStartIsToldOfAndSkipped()
    {
        testing::writeWholeFile(m_root / ".rolled-back", "2100\n");
        {
            SelfUpdater updater(configuration(), *m_settings, m_user);
            updater.start();
            QTRY_COMPARE_WITH_TIMEOUT(m_user.startsFailed, std::vector<std::string> {"2100"}, 15000);
        }
        QCOMPARE(m_settings->value("Updates/skippedVersion").toString(), QString("2100"));
        QVERIFY(!fs::exists(m_root / ".rolled-back"));
        SelfUpdater again(configuration(), *m_settings, m_user);
        again.start();
        QTest::qWait(3500);
        QCOMPARE(m_user.startsFailed.size(), std::size_t(1));
    }

    void skippingAndOtherAnswersInstallNothing()
    {
        serve("2.0", "2.0", releaseArchive("2.0"));
        m_user.choice = UpdateChoice::skip;
        CHECK_ONCE(configuration());
        QCOMPARE(m_settings->value("Updates/skippedVersion").toString(), QString("2.0"));
        // Where the program cannot replace itself, installing opens the download page.
        SelfUpdaterConfiguration packaged = configuration();
        packaged.install.reset();
        m_user.choice = UpdateChoice::install;
        CHECK_ONCE(packaged); // asked for by the user: a skipped version is offered again
        QCOMPARE(m_user.pages, std::vector<std::string> {"https://quillon.com/download"});
        QCOMPARE(fs::read_symlink(m_root / "current"), fs::path("versions/1.0"));
    }

    void onlySecureAddressesAreUsed()
    {
        QVERIFY(SelfUpdater::isAllowedUrl(QUrl("https://example.com/appcast.xml")));
        QVERIFY(SelfUpdater::isAllowedUrl(QUrl("http://127.0.0.1:8080/appcast.xml")));
        QVERIFY(!SelfUpdater::isAllowedUrl(QUrl("http://example.com/appcast.xml")));
        QVERIFY(!SelfUpdater::isAllowedUrl(QUrl("file:///etc/passwd")));
        SelfUpdaterConfiguration insecure = configuration();
        insecure.feed = QUrl("http://example.com/appcast.xml");
        SelfUpdater updater(insecure, *m_settings, m_user);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        QCOMPARE(finished.count(), 1);
        QVERIFY2(m_user.errors.size() == 1, qPrintable(m_user.describe()));
    }

    // The messages come from the catalogue of the user's language, also those of the install,
    // which runs on a thread of its own, with the parts in their places.
    void whatWentWrongIsToldInTheUsersLanguage()
    {
        QCOMPARE(installTranslations({"de_DE"}, testing::builtCatalogueFolders()), QString("de"));
        const auto english = qScopeGuard([] {
            for (QTranslator* catalogue : QCoreApplication::instance()->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(catalogue);
                delete catalogue;
            }
        });
        SelfUpdaterConfiguration insecure = configuration();
        insecure.feed = QUrl("http://example.com/appcast.xml");
        SelfUpdater(insecure, *m_settings, m_user).checkForUpdates();
        VERIFY_ERROR_SAYS("Die Adresse des Update-Feeds ist keine sichere (https-)Adresse.");

        const QByteArray genuine = releaseArchive("2.0");
        QByteArray tampered = genuine;
        tampered[tampered.size() / 2] = static_cast<char>(tampered[tampered.size() / 2] ^ 0x01);
        serve("2.0", "2.0", tampered, signBytes(genuine.toStdString(), m_keys.secretKeyBase64));
        CHECK_ONCE(configuration());
        VERIFY_ERROR_SAYS("Der Download ist nicht vom Herausgeber dieses Programms signiert.");

        serve("9.9", "9.9", releaseArchive("0.0.1"));
        CHECK_ONCE(configuration());
        VERIFY_ERROR_SAYS("Das Update ist Build 0.0.1, nicht Build 9.9, wie im Update-Feed angekündigt.");
    }

private:
    SelfUpdaterConfiguration configuration(
        const std::string& build = "1.0", const std::string& shortVersion = "1.0") const
    {
        return {QUrl(m_server.url("/appcast.xml")), m_keys.publicKeyBase64, testing::kProgramIdentifier,
            build, shortVersion, {"6.1", QSysInfo::buildCpuArchitecture().toStdString()},
            SelfUpdatingInstall {m_root, ""}, "https://quillon.com/download"};
    }

    // A check asked for by the user, to its end; whatever it came to, the updater is ready for the next.
    void checkOnce(const SelfUpdaterConfiguration& config)
    {
        SelfUpdater updater(config, *m_settings, m_user);
        QSignalSpy finished(&updater, &SelfUpdater::checkFinished);
        updater.checkForUpdates();
        WAIT_FOR_CHECKS(finished, 1);
        QVERIFY(updater.canCheckForUpdates());
    }

    // The feed announcing this archive as build `version`, signed, unless a signature is given.
    void serve(const std::string& version, const std::string& shortVersion, const QByteArray& archive,
        std::string signature = {})
    {
        if (signature.empty())
            signature = signBytes(archive.toStdString(), m_keys.secretKeyBase64);
        m_server.files["/Quillon.tar.gz"] = archive;
        m_server.files["/appcast.xml"]
            = QString(kFeed)
                  .arg(QString::fromStdString(version), m_server.url("/Quillon.tar.gz"))
                  .arg(archive.size())
                  .arg(QString::fromStdString(signature), QString::fromStdString(shortVersion))
                  .toUtf8();
    }

    LoopbackServer m_server;
    ScriptedUser m_user;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QSettings> m_settings;
    fs::path m_root;
    SigningKeys m_keys;
};

QTEST_GUILESS_MAIN(SelfUpdaterTest)
#include "self_updater_test.moc"
