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
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <fstream>
#include <functional>

using namespace quillon;

namespace {

// The process's resident memory, from the kernel's own count.
long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Every text of the window's labels, message boxes and browsers, as the user sees it.
struct ShownTexts {
    QStringList labels; // the labels' texts, for plain ones as they stand
    QStringList richLabels; // labels that render their text as markup
    QString notes; // the release notes' text as shown
    qsizetype notesImages = 0;
    QSize windowSize;
};

ShownTexts readWindow(QWidget& shown)
{
    ShownTexts texts;
    texts.windowSize = shown.size();
    for (auto* label : shown.findChildren<QLabel*>()) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        (rich ? texts.richLabels : texts.labels) << label->text();
    }
    if (auto* box = qobject_cast<QMessageBox*>(&shown)) {
        const bool rich = box->textFormat() == Qt::RichText
            || (box->textFormat() == Qt::AutoText && Qt::mightBeRichText(box->text()));
        (rich ? texts.richLabels : texts.labels) << box->text();
    }
    if (auto* browser = shown.findChild<QTextBrowser*>()) {
        texts.notes = browser->toPlainText();
        texts.notesImages = browser->toHtml().count("<img", Qt::CaseInsensitive);
    }
    return texts;
}

} // namespace

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

    // The feed and the server are not the publisher: what they say is shown as text, however it is
    // made up, loads nothing, and fits on the screen.
    void whatAFeedOrServerSaysIsTextThatLoadsNothing()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        UpdateWindows windows(&window);
        const std::string hostile = "<img src=/dev/zero><h1 style=\"color:red\">URGENT SECURITY FIX</h1>"
                                    "<a href=\"file:///etc/passwd\">here</a>";
        AppcastItem update;
        update.version = "12";
        update.shortVersion = hostile;
        update.releaseNotes = "<p>Release notes</p>" + hostile + "<link rel=stylesheet href=/dev/zero>";
        AppcastItem huge = update;
        huge.shortVersion = std::string(60000, '9');
        const long before = residentKilobytes();
        const struct {
            const char* name;
            std::function<void()> open;
            const char* literal; // shown as it stands in a label, if anything
        } rows[] = {
            {"the offer", [&] { windows.showUpdateFound(update, "1.1", true); }, ""},
            {"the offer of a huge version", [&] { windows.showUpdateFound(huge, "1.1", true); }, ""},
            {"an error quoting a server",
                [&] { windows.showError("The update could not be downloaded: " + hostile); },
                "<img src=/dev/zero>"},
            {"the offer to relaunch", [&] { windows.offerRelaunch(update); }, ""},
        };
        for (const auto& row : rows) {
            ShownTexts shown;
            bool opened = false;
            QTimer::singleShot(0, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                opened = true;
                shown = readWindow(*modal);
                modal->close();
            });
            row.open();
            QVERIFY2(opened, row.name);
            for (const QString& rich : shown.richLabels)
                QVERIFY2(!rich.contains("URGENT") && !rich.contains("img"),
                    qPrintable(QString("%1 renders the feed's markup: %2").arg(row.name, rich)));
            QVERIFY2(shown.notesImages == 0, row.name);
            QVERIFY2(shown.windowSize.width() < 2000,
                qPrintable(QString("%1 is %2 px wide").arg(row.name).arg(shown.windowSize.width())));
            if (*row.literal)
                QVERIFY2(shown.labels.join("\n").contains(row.literal), qPrintable(shown.labels.join(" | ")));
            if (!shown.notes.isEmpty())
                QVERIFY2(shown.notes.contains("Release notes") && shown.notes.contains("URGENT SECURITY FIX"),
                    qPrintable(shown.notes));
        }
        // /dev/zero, loaded as an image, grew the studio by gigabytes until it ended.
        QVERIFY2(residentKilobytes() - before < 100 * 1024,
            qPrintable(QString("grew from %1 to %2 kB").arg(before).arg(residentKilobytes())));
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
