// The watcher's word on a change of zone, with zone files of the test's own.
#include "widgethost/core/clock_watcher.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon::widgethost;

class ClockWatcherTest : public QObject {
    Q_OBJECT

private slots:
    void zoneChangesAreToldAgainAfterTheFileIsReplaced()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString localtime = dir.filePath("localtime");
        writeZone(localtime, "Europe/Berlin");

        ClockWatcher watcher({localtime, dir.filePath("timezone-that-is-not-there")});
        QSignalSpy zoneChanged(&watcher, &ClockWatcher::zoneChanged);
        QSignalSpy clockJumped(&watcher, &ClockWatcher::clockJumped);

        // Tools that set the zone replace the file rather than write into it; the watch must
        // follow the new file, or the second change would go unnoticed.
        for (const char* zone : {"Asia/Tokyo", "America/New_York"}) {
            const auto before = zoneChanged.count();
            QFile::remove(localtime);
            writeZone(localtime, zone);
            QTRY_COMPARE_GT_WITH_TIMEOUT(zoneChanged.count(), before, 15000);
        }
        QCOMPARE(clockJumped.count(), 0);
    }

    void aMissingZoneFileIsNoError()
    {
        QTemporaryDir dir;
        ClockWatcher watcher({dir.filePath("none")});
        QSignalSpy zoneChanged(&watcher, &ClockWatcher::zoneChanged);
        // A span in which a change would have been told.
        QTest::qWait(100);
        QCOMPARE(zoneChanged.count(), 0);
    }

private:
    static void writeZone(const QString& path, const char* zone)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(zone);
    }
};

QTEST_GUILESS_MAIN(ClockWatcherTest)
#include "clock_watcher_test.moc"
