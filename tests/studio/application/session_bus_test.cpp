// The studio's use of the session bus, with real processes on a private bus (the test runs under
// dbus-run-session): the reload signal, and one studio per session.
#include "platform/session_bus/dbus_timeline_reloader.h"
#include "studio/application/application_service.h"
#include "studio/model/studio_model.h"

#include "tests/support/libc_time.h"
#include "tests/support/memory_state_store.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

Instant utcInstant(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(
        static_cast<double>(quillon::testing::utc(year, month, day, hour, minute, second)));
}

QProcessEnvironment studioEnvironment(const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", configHome);
    return environment;
}

// What a started program was doing, for the message of a check on it. Nothing is read away: the
// output stays for the test to read.
QString describe(QProcess& process)
{
    const QProcess::ProcessChannel channel = process.readChannel();
    process.setReadChannel(QProcess::StandardError);
    const QByteArray error = process.peek(2000);
    process.setReadChannel(QProcess::StandardOutput);
    const QByteArray output = process.peek(2000);
    process.setReadChannel(channel);
    const QString state = process.state() == QProcess::Running ? QString("running")
        : process.state() == QProcess::Starting                ? QString("starting")
        : process.exitStatus() == QProcess::CrashExit          ? QString("crashed")
                                                      : QString("ended with code %1").arg(process.exitCode());
    return QString("%1, error \"%2\"; standard error: \"%3\"; standard output: \"%4\"")
        .arg(state, process.errorString(), QString::fromUtf8(error), QString::fromUtf8(output));
}

} // namespace

class SessionBusTest : public QObject {
    Q_OBJECT

public slots:
    void countReload() { ++m_reloads; }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    }

    void aListenerHearsOneReloadForABurstOfEdits()
    {
        QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "listener");
        QVERIFY(listener.connect(QString(), kTimelinesObjectPath, kTimelinesInterface,
            kReloadAllTimelinesSignal, this, SLOT(countReload())));
        testing::MemoryStateStore store(
            StudioState::makeDefault(utcInstant(2026, 12, 5, 12), Calendar(TimeZone::utc(), 1, 1)));
        DBusTimelineReloader reloader;
        StudioModel model(store, reloader, utcInstant(2026, 12, 5, 12));
        QTRY_COMPARE_WITH_TIMEOUT(m_reloads, 1, 20000); // the start-up reload
        for (const char* text : {"B", "Bo", "Boa", "Boar", "Board"})
            model.setSignText(text);
        QTRY_COMPARE_WITH_TIMEOUT(m_reloads, 2, 20000);
        // No second reload for the same burst: a span in which one would have arrived.
        QTest::qWait(800);
        QCOMPARE(m_reloads, 2);
    }

    void aSecondStudioHandsItsLinkToTheFirstAndEnds()
    {
        QTemporaryDir configHome;
        QProcess first;
        first.setProcessEnvironment(studioEnvironment(configHome.path()));
        first.start(QUILLON_STUDIO_PATH, {});
        QVERIFY2(first.waitForStarted(30000), qPrintable(describe(first)));
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY2_WITH_TIMEOUT(bus->isServiceRegistered(kApplicationBusName).value(),
            qPrintable("the first studio: " + describe(first)), 30000);

        QProcess second;
        second.setProcessEnvironment(studioEnvironment(configHome.path()));
        second.start(QUILLON_STUDIO_PATH, {"quillon://widget/countdown"});
        QVERIFY2(second.waitForFinished(30000), qPrintable(describe(second)));
        QVERIFY2(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0,
            qPrintable(describe(second)));

        // The first studio selected the kind, and so saved it.
        const QString recordPath = configHome.path() + "/quillon/studio.v1";
        const auto storedRecord = [&] {
            QFile record(recordPath);
            return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray("(no record)");
        };
        QTRY_VERIFY2_WITH_TIMEOUT(
            storedRecord().contains("\"kind\":\"countdown\""), storedRecord().left(2000).constData(), 30000);
        QCOMPARE(first.state(), QProcess::Running);

        // A desktop handing over a thousand links in one call: the last one that names a kind is
        // taken, once; the links after it name none.
        QStringList links;
        for (int index = 0; index < 1000; ++index)
            links << (index % 2 ? "quillon://widget/sign" : "quillon://widget/progress");
        links << "quillon://widget/day"
              << "quillon://widget/bogus"
              << "https://example.com/";
        QDBusMessage open = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Open");
        open << links << QVariantMap();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(open, QDBus::Block, 30000);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        QTRY_VERIFY2_WITH_TIMEOUT(
            storedRecord().contains("\"kind\":\"day\""), storedRecord().left(2000).constData(), 30000);

        // A call of 66 MB, past what the bus library holds by default: it left the studio holding
        // its name and answering nothing, so that a second studio ran beside it.
        const QStringList huge(16600, "quillon://widget/clock?" + QString(4000, 'x'));
        QDBusMessage flood = QDBusMessage::createMethodCall(
            kApplicationBusName, kApplicationObjectPath, kApplicationInterface, "Open");
        flood << huge << QVariantMap();
        const QDBusMessage floodReply = QDBusConnection::sessionBus().call(flood, QDBus::Block, 60000);
        QVERIFY2(floodReply.type() == QDBusMessage::ReplyMessage, qPrintable(floodReply.errorMessage()));
        const QDBusMessage ping = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(kApplicationBusName, "/", "org.freedesktop.DBus.Peer", "Ping"),
            QDBus::Block, 10000);
        QVERIFY2(ping.type() == QDBusMessage::ReplyMessage,
            qPrintable("after the large call: " + ping.errorMessage() + "; " + describe(first)));
        first.terminate();
        if (!first.waitForFinished(15000))
            first.kill(); // and the destructor waits for it
    }

    void anUnknownOptionEndsWithUsageAndTouchesNoSettings()
    {
        QTemporaryDir configHome;
        QProcess studio;
        studio.setProcessEnvironment(studioEnvironment(configHome.path()));
        studio.start(QUILLON_STUDIO_PATH, {"--frobnicate"});
        QVERIFY2(studio.waitForFinished(30000), qPrintable(describe(studio)));
        QCOMPARE(studio.exitCode(), 2);
        const QString error = QString::fromUtf8(studio.readAllStandardError());
        QVERIFY2(error.contains("usage: quillon"), qPrintable(error));
        const QStringList written
            = QDir(configHome.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(written.isEmpty(), qPrintable(written.join(", ")));
    }

private:
    int m_reloads = 0;
};

QTEST_GUILESS_MAIN(SessionBusTest)
#include "session_bus_test.moc"
