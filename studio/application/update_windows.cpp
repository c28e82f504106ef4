#include "studio/application/update_windows.h"

#include "studio/controls/qt_text.h"
#include "updater/release_notes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon {
namespace {

// What a feed or a server says is shown as text, at most this long: a version or a reason phrase of
// sixty thousand characters made a window wider than any screen.
constexpr qsizetype kMostVersionCharacters = 40;
constexpr qsizetype kMostMessageCharacters = 1000;

// The feed is not signed: its notes show simple formatting and load nothing at all. An empty answer
// is an answer; a null one would send Qt to load a local file named as an image itself.
class NotesBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return QVariant(QByteArray()); }
};

QString shortened(const QString& text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    qsizetype cut = most - 1;
    if (text.at(cut).isLowSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

QString shownVersion(const AppcastItem& update)
{
    return shortened(
        qText(update.shortVersion.empty() ? update.version : update.shortVersion), kMostVersionCharacters);
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

UpdateWindows::~UpdateWindows()
{
    closeProgress();
}

bool UpdateWindows::askToCheckAutomatically()
{
    QMessageBox question(QMessageBox::Question,
        QCoreApplication::translate("quillon::UpdateWindows", "Check for updates automatically?"),
        QCoreApplication::translate(
            "quillon::UpdateWindows", "Should Quillon automatically check for updates?"),
        QMessageBox::NoButton, m_parent);
    question.setInformativeText(QCoreApplication::translate("quillon::UpdateWindows",
        "You can always check for updates manually from the Help menu, and change this in Settings."));
    QPushButton* yes
        = question.addButton(QCoreApplication::translate("quillon::UpdateWindows", "Check Automatically"),
            QMessageBox::AcceptRole);
    question.addButton(
        QCoreApplication::translate("quillon::UpdateWindows", "Don't Check"), QMessageBox::RejectRole);
    question.setDefaultButton(yes);
    question.exec();
    return question.clickedButton() == yes;
}

UpdateChoice UpdateWindows::showUpdateFound(
    const AppcastItem& update, const std::string& currentVersion, bool installsInPlace)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("quillon::UpdateWindows", "Software Update"));
    dialog.resize(560, 420);
    auto* column = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(QCoreApplication::translate(
                                   "quillon::UpdateWindows", "<b>A new version of Quillon is available!</b>"),
        &dialog);
    //: %1 is the new version, %2 the version the user has.
    const QString detailText = installsInPlace
        ? QCoreApplication::translate("quillon::UpdateWindows",
            "Quillon %1 is now available — you have %2. Would you like to install it now?")
        //: %1 is the new version, %2 the version the user has.
        : QCoreApplication::translate("quillon::UpdateWindows",
            "Quillon %1 is now available — you have %2. Would you like to open its download page?");
    auto* detail = plainLabel(
        detailText.arg(shownVersion(update), shortened(qText(currentVersion), kMostVersionCharacters)),
        &dialog);
    detail->setWordWrap(true);
    column->addWidget(heading);
    column->addWidget(detail);
    column->addWidget(
        new QLabel(QCoreApplication::translate("quillon::UpdateWindows", "<b>Release Notes:</b>"), &dialog));
    // Nothing in the notes is followed or fetched; a page of notes is named, for the user to open.
    auto* notes = new NotesBrowser(&dialog);
    notes->setAccessibleName(QCoreApplication::translate("quillon::UpdateWindows", "Release Notes"));
    notes->setOpenLinks(false);
    if (!update.releaseNotes.empty())
        notes->setHtml(qText(safeReleaseNotesHtml(update.releaseNotes)));
    else if (!update.releaseNotesLink.empty())
        notes->setPlainText(shortened(qText(update.releaseNotesLink), kMostMessageCharacters));
    else
        notes->setPlainText(
            QCoreApplication::translate("quillon::UpdateWindows", "No release notes were given."));
    column->addWidget(notes, 1);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* skip
        = buttons->addButton(QCoreApplication::translate("quillon::UpdateWindows", "Skip This Version"),
            QDialogButtonBox::DestructiveRole);
    QPushButton* later
        = buttons->addButton(QCoreApplication::translate("quillon::UpdateWindows", "Remind Me Later"),
            QDialogButtonBox::RejectRole);
    QPushButton* install
        = buttons->addButton(QCoreApplication::translate("quillon::UpdateWindows", "Install Update"),
            QDialogButtonBox::AcceptRole);
    install->setDefault(true);
    UpdateChoice choice = UpdateChoice::remindLater;
    QObject::connect(skip, &QPushButton::clicked, &dialog, [&] {
        choice = UpdateChoice::skip;
        dialog.accept();
    });
    QObject::connect(later, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(install, &QPushButton::clicked, &dialog, [&] {
        choice = UpdateChoice::install;
        dialog.accept();
    });
    column->addWidget(buttons);
    dialog.exec();
    return choice;
}

void UpdateWindows::showUpToDate(const std::string& currentVersion)
{
    QMessageBox box(QMessageBox::Information,
        QCoreApplication::translate("quillon::UpdateWindows", "You're up to date!"),
        //: %1 is the version the user has.
        QCoreApplication::translate(
            "quillon::UpdateWindows", "Quillon %1 is currently the newest version available.")
            .arg(shortened(qText(currentVersion), kMostVersionCharacters)),
        QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void UpdateWindows::showDownloadProgress(std::uint64_t received, std::uint64_t total)
{
    showProgress(
        QCoreApplication::translate("quillon::UpdateWindows", "Downloading the update…"), received, total);
}

void UpdateWindows::showInstallProgress(std::uint64_t done, std::uint64_t total)
{
    showProgress(QCoreApplication::translate("quillon::UpdateWindows", "Checking and installing the update…"),
        done, total);
}

// One window from the download to the end of the install; it goes when the outcome is shown.
void UpdateWindows::showProgress(const QString& label, std::uint64_t done, std::uint64_t total)
{
    if (!m_progress) {
        m_progress = new QProgressDialog(label,
            QCoreApplication::translate("quillon::UpdateWindows", "Cancel", "stops the update under way"), 0,
            1000, m_parent);
        m_progress->setWindowTitle(QCoreApplication::translate("quillon::UpdateWindows", "Software Update"));
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        // It stays up until the outcome replaces it, whatever the bar says.
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        // The user has just chosen to install: the window answers at once.
        m_progress->setMinimumDuration(0);
        QObject::connect(m_progress, &QProgressDialog::canceled, m_progress, [this] {
            closeProgress();
            if (m_cancel)
                m_cancel();
        });
    }
    m_progress->setLabelText(label);
    m_progress->setValue(total ? static_cast<int>(std::min<std::uint64_t>(1000, done * 1000 / total)) : 0);
}

bool UpdateWindows::offerRelaunch(const AppcastItem& update)
{
    closeProgress();
    QMessageBox offer(QMessageBox::Information,
        QCoreApplication::translate("quillon::UpdateWindows", "Update Installed"),
        //: %1 is the version just installed.
        QCoreApplication::translate("quillon::UpdateWindows", "Quillon %1 is installed.")
            .arg(shownVersion(update)),
        QMessageBox::NoButton, m_parent);
    offer.setTextFormat(Qt::PlainText);
    offer.setInformativeText(QCoreApplication::translate("quillon::UpdateWindows",
        "Relaunch now to start using it? Otherwise it starts the next time you open Quillon."));
    QPushButton* relaunch = offer.addButton(
        QCoreApplication::translate("quillon::UpdateWindows", "Relaunch Now"), QMessageBox::AcceptRole);
    offer.addButton(
        QCoreApplication::translate("quillon::UpdateWindows", "Later", "relaunch after an update"),
        QMessageBox::RejectRole);
    offer.setDefaultButton(relaunch);
    offer.exec();
    return offer.clickedButton() == relaunch;
}

void UpdateWindows::showError(const std::string& message)
{
    closeProgress();
    // What went wrong may quote the server, which is not to format the window.
    QMessageBox box(QMessageBox::Warning,
        QCoreApplication::translate("quillon::UpdateWindows", "Update Error!"),
        //: %1 is what went wrong, as the updater tells it.
        QCoreApplication::translate("quillon::UpdateWindows", "%1\n\nThe installed version was not changed.")
            .arg(shortened(qText(message), kMostMessageCharacters)),
        QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void UpdateWindows::showStartFailed(const std::string& build)
{
    QMessageBox box(QMessageBox::Warning,
        QCoreApplication::translate("quillon::UpdateWindows", "Update Error!"),
        //: %1 is the build that was installed by the last update.
        QCoreApplication::translate("quillon::UpdateWindows",
            "The update to build %1 could not start on this computer, so the version you had before "
            "is running again.")
            .arg(shortened(qText(build), kMostVersionCharacters)),
        QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QCoreApplication::translate("quillon::UpdateWindows",
        "That build is skipped: it is offered again only when you check for updates yourself."));
    box.exec();
}

void UpdateWindows::openDownloadPage(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(qText(url)));
}

void UpdateWindows::closeProgress()
{
    if (m_progress)
        m_progress->close();
}

void showDevelopmentBuildNotice(QWidget* parent)
{
    const QString site = QUrl(QUILLON_WEBSITE_URL).host();
    QMessageBox alert(QMessageBox::Information,
        QCoreApplication::translate("quillon::UpdateWindows", "Check for Updates"),
        QCoreApplication::translate("quillon::UpdateWindows", "This build doesn't update itself"),
        QMessageBox::Ok, parent);
    //: %1 is the host name of the product's web site.
    alert.setInformativeText(QCoreApplication::translate("quillon::UpdateWindows",
        "This is a development build of Quillon: it will not replace itself with the version on %1. "
        "Copies downloaded from %1 check for updates automatically.")
                                 .arg(site));
    alert.exec();
}

} // namespace quillon
