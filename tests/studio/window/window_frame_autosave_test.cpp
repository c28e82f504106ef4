// The studio window's frame between runs: restored once, kept current, brought back on screen.
#include "studio/window/window_frame_autosave.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace quillon;

class WindowFrameAutosaveTest : public QObject {
    Q_OBJECT

private slots:
    void aFrameIsSavedOnMoveAndResizeAndRestoredOnceInTheNextRun()
    {
        QTemporaryDir folder;
        QSettings settings(folder.filePath("studio.conf"), QSettings::IniFormat);
        {
            QWidget window;
            new WindowFrameAutosave(window, "studio", settings);
            window.setGeometry(40, 50, 300, 200);
            window.show();
            QVERIFY2(QTest::qWaitForWindowExposed(&window, 20000), "the window was not shown within 20 s");
            QTRY_VERIFY2_WITH_TIMEOUT(settings.contains(WindowFrameAutosave::settingsKey("studio")),
                qPrintable("kept: " + settings.allKeys().join(", ")), 15000);
            window.setGeometry(60, 70, 420, 260);
            QTRY_COMPARE_WITH_TIMEOUT(restoredGeometry(settings).size(), QSize(420, 260), 15000);
        }
        QWidget next;
        next.resize(100, 100);
        new WindowFrameAutosave(next, "studio", settings);
        next.show();
        QTRY_COMPARE_WITH_TIMEOUT(next.size(), QSize(420, 260), 15000);
        // A second keeper of the same name on the same window restores nothing again: a span in
        // which a restore would have come.
        next.resize(150, 150);
        new WindowFrameAutosave(next, "studio", settings);
        QTest::qWait(200);
        QCOMPARE(next.size(), QSize(150, 150));
    }

    void aFrameSavedOffEveryScreenComesBackOnTheNearestAtLeastAtTheMinimumSize()
    {
        QTemporaryDir folder;
        QSettings settings(folder.filePath("studio.conf"), QSettings::IniFormat);
        const auto saveFrame = [&settings](QSize size) {
            QWidget window;
            window.setGeometry(10, 10, size.width(), size.height());
            window.show();
            QVERIFY2(QTest::qWaitForWindowExposed(&window, 20000), "the window was not shown within 20 s");
            // As saved on a monitor far to the right that has since been unplugged.
            window.move(5000, 3000);
            settings.setValue(WindowFrameAutosave::settingsKey("studio"), window.saveGeometry());
        };
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QSize saved : {QSize(320, 230), QSize(200, 150)}) {
            saveFrame(saved);
            QWidget window;
            window.setMinimumSize(260, 180);
            new WindowFrameAutosave(window, "studio", settings);
            window.show();
            // The saved size is kept where the window allows it, and the frame is on a screen.
            QTRY_COMPARE_WITH_TIMEOUT(window.size(), saved.expandedTo(QSize(260, 180)), 15000);
            QTRY_VERIFY2_WITH_TIMEOUT(screen.contains(window.frameGeometry().topLeft()),
                qPrintable(QString("at %1, %2").arg(window.x()).arg(window.y())), 15000);
        }
    }

private:
    static QRect restoredGeometry(QSettings& settings)
    {
        QWidget probe;
        probe.restoreGeometry(settings.value(WindowFrameAutosave::settingsKey("studio")).toByteArray());
        return probe.geometry();
    }
};

QTEST_MAIN(WindowFrameAutosaveTest)
#include "window_frame_autosave_test.moc"
