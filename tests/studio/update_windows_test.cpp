// The update's windows in the studio: one progress window from the download to the end of the
// install, showing how far each has come, until the outcome takes its place; and every window as
// a screen reader and the keyboard find it.
#include "studio/application/update_windows.h"

#include "tests/support/accessibility_checks.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quillon;

class UpdateWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void progressGoesFromDownloadToInstallAndStaysUntilTheOutcome()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        UpdateWindows windows(&window);
        windows.showDownloadProgress(300, 1000);
        auto* progress = window.findChild<QProgressDialog*>();
        QVERIFY(progress);
        QCOMPARE(progress->labelText(), QString("Downloading the update\u2026"));
        QCOMPARE(progress->value(), 300);
        // Downloaded in full, the window stays: checking and unpacking follow in it.
        windows.showDownloadProgress(1000, 1000);
        windows.showInstallProgress(500, 2000);
        QCOMPARE(window.findChildren<QProgressDialog*>().size(), 1);
        QCOMPARE(progress->labelText(), QString("Checking and installing the update\u2026"));
        QCOMPARE(progress->value(), 250);
        QTRY_VERIFY2_WITH_TIMEOUT(progress->isVisible(), "the progress window did not show", 10000);
        windows.showInstallProgress(2000, 2000);
        QVERIFY(progress->isVisible());

        // The outcome replaces it: here an error, answered as a user would.
        QString shownError;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownError = box->text();
                box->accept();
            }
        });
        windows.showError(
            "There is not enough space on the disk to unpack the update in /home/someone/Quillon/versions.");
        QVERIFY2(shownError.contains("not enough space"), qPrintable(shownError));
        QTRY_VERIFY_WITH_TIMEOUT(window.findChildren<QProgressDialog*>().isEmpty(), 10000);
    }

    void everyWindowNamesItsControlsAndTabsInReadingOrder()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        UpdateWindows windows(&window);
        AppcastItem update;
        update.version = "12";
        update.shortVersion = "1.2";
        update.releaseNotes = "<p>Faster boards. <a href=\"https://quillon.com/notes\">More</a></p>";
        const std::vector<std::pair<const char*, std::function<void()>>> openings {
            {"the question of automatic checks", [&] { windows.askToCheckAutomatically(); }},
            {"the new version", [&] { windows.showUpdateFound(update, "1.1", true); }},
            {"the new version without notes",
                [&] {
                    AppcastItem bare;
                    bare.version = "12";
                    windows.showUpdateFound(bare, "1.1", false);
                }},
            {"up to date", [&] { windows.showUpToDate("1.1"); }},
            {"the offer to relaunch", [&] { windows.offerRelaunch(update); }},
            {"an error", [&] { windows.showError("The update's signature does not match."); }},
            {"the development build's notice", [&] { showDevelopmentBuildNotice(&window); }},
        };
        for (const auto& [name, open] : openings) {
            QStringList faults {"the window did not open"};
            QTimer::singleShot(0, this, [&faults] {
                QWidget* shown = QApplication::activeModalWidget();
                if (!shown)
                    return;
                faults = testing::accessibilityFaults(*shown);
                shown->close();
            });
            open();
            QVERIFY2(faults.isEmpty(), qPrintable(QString("%1: %2").arg(name, faults.join("; "))));
        }

        windows.showDownloadProgress(10, 100);
        auto* progress = window.findChild<QProgressDialog*>();
        QVERIFY(progress);
        progress->show();
        progress->activateWindow();
        const QStringList faults = testing::accessibilityFaults(*progress);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(UpdateWindowsTest)
#include "update_windows_test.moc"
