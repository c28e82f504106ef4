// The studio's use of the session bus, with real processes on a private bus (the test runs under
// dbus-run-session): the reload signal, and one studio per session.
#include "platform/widgethost/dbus_timeline_reloader.h"
#include "studio/application_service.h"
#include "studio/studio_model.h"

#include "tests/platform/calendar/libc_time.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

Instant utcInstant(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(static_cast<double>(quillon::testing::utc(year, month, day, hour, minute, second)));
}

class MemoryStore final : public StateStore {
public:
    StudioState load() override
    {
        return StudioState::makeDefault(utcInstant(2026, 12, 5, 12), Calendar(TimeZone::utc(), 1, 1));
    }
    void save(const StudioState&) override {}
};

QProcessEnvironment studioEnvironment(const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", configHome);
    return environment;
}

} // namespace

class SessionBusTest : public QObject {
    Q_OBJECT

public slots:
    void countReload() { ++m_reloads; }

private slots:
    void initTestCase() { QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session"); }

    void aListenerHearsOneReloadForABurstOfEdits()
    {
        QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "listener");
        QVERIFY(listener.connect(QString(), kTimelinesObjectPath, kTimelinesInterface, kReloadAllTimelinesSignal, this,
                                 SLOT(countReload())));
        MemoryStore store;
        DBusTimelineReloader reloader;
        StudioModel model(store, reloader, utcInstant(2026, 12, 5, 12));
        QTRY_COMPARE_WITH_TIMEOUT(m_reloads, 1, 5000); // the start-up reload
        for (const char* text : {"B", "Bo", "Boa", "Boar", "Board"})
            model.setSignText(text);
        QTRY_COMPARE_WITH_TIMEOUT(m_reloads, 2, 5000);
        QTest::qWait(800);
        QCOMPARE(m_reloads, 2);
    }

    void aSecondStudioHandsItsLinkToTheFirstAndEnds()
    {
        QTemporaryDir configHome;
        QProcess first;
        first.setProcessEnvironment(studioEnvironment(configHome.path()));
        first.start(QUILLON_STUDIO_PATH, {});
        QVERIFY(first.waitForStarted());
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(kApplicationBusName).value(), 10000);

        QProcess second;
        second.setProcessEnvironment(studioEnvironment(configHome.path()));
        second.start(QUILLON_STUDIO_PATH, {"quillon://widget/countdown"});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        // The first studio selected the kind, and so saved it.
        const QString recordPath = configHome.path() + "/" QUILLON_APP_GROUP "/studio.v1";
        const auto storedKindIsCountdown = [&] {
            QFile record(recordPath);
            return record.open(QIODevice::ReadOnly) && record.readAll().contains("\"kind\":\"countdown\"");
        };
        QTRY_VERIFY_WITH_TIMEOUT(storedKindIsCountdown(), 10000);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        if (!first.waitForFinished(5000))
            first.kill();
    }

    void anUnknownOptionEndsWithUsageAndTouchesNoSettings()
    {
        QTemporaryDir configHome;
        QProcess studio;
        studio.setProcessEnvironment(studioEnvironment(configHome.path()));
        studio.start(QUILLON_STUDIO_PATH, {"--frobnicate"});
        QVERIFY(studio.waitForFinished(10000));
        QCOMPARE(studio.exitCode(), 2);
        QVERIFY(QString::fromUtf8(studio.readAllStandardError()).contains("usage: quillon"));
        QVERIFY(QDir(configHome.path()).isEmpty());
    }

private:
    int m_reloads = 0;
};

QTEST_GUILESS_MAIN(SessionBusTest)
#include "session_bus_test.moc"
