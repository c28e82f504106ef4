// The update's progress window in the studio: one window from the download to the end of the
// install, showing how far each has come, until the outcome takes its place.
#include "studio/application/update_windows.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

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
};

QTEST_MAIN(UpdateWindowsTest)
#include "update_windows_test.moc"
