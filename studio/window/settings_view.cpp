#include "studio/window/settings_view.h"

#include "platform/calendar/locale_date_format.h"
#include "platform/info/build_info.h"
#include "platform/text/user_locale.h"
#include "studio/controls/form_section.h"
#include "studio/controls/text_styles.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {
namespace {

// A label on the left, its value on the right.
QWidget* row(const QString& label, QWidget* value)
{
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(label, line);
    name->setBuddy(value);
    layout->addWidget(name);
    layout->addStretch();
    layout->addWidget(value);
    return line;
}

} // namespace

SettingsView::SettingsView(Updater& updater, Clock now, QWidget* parent)
    : QDialog(parent)
    , m_updater(updater)
    , m_now(std::move(now))
{
    setWindowTitle(tr("Settings"));
    setFixedWidth(kWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 18);
    column->setSpacing(16);

    auto* updates = new FormSection(tr("Updates"), this);
    if (m_updater.isEnabled()) {
        m_automatic = new QCheckBox(tr("Automatically check for updates"));
        connect(m_automatic, &QCheckBox::toggled, this,
            [this](bool on) { m_updater.setAutomaticallyChecks(on); });
        updates->addRow(m_automatic);
        m_lastChecked = new QLabel;
        makeSecondary(*m_lastChecked);
        updates->addRow(row(tr("Last checked"), m_lastChecked));
        m_checkNow = new QPushButton(tr("Check Now"));
        connect(m_checkNow, &QPushButton::clicked, this, [this] { m_updater.checkForUpdates(); });
        auto* buttonRow = new QWidget;
        auto* buttonLayout = new QHBoxLayout(buttonRow);
        buttonLayout->setContentsMargins(0, 0, 0, 0);
        buttonLayout->addStretch();
        buttonLayout->addWidget(m_checkNow);
        updates->addRow(buttonRow);
        connect(&m_updater, &Updater::canCheckForUpdatesChanged, this, &SettingsView::showValues);
        connect(&m_updater, &Updater::lastCheckChanged, this, &SettingsView::showValues);
        connect(&m_updater, &Updater::automaticallyChecksChanged, this, &SettingsView::showValues);
    } else {
        const QString site = QUrl(QUILLON_WEBSITE_URL).host();
        //: %1 is the host name of the product's web site.
        m_developmentNote = new QLabel(tr("This is a development build, which doesn't update itself. Copies "
                                          "downloaded from %1 check for updates automatically.")
                                           .arg(site));
        m_developmentNote->setWordWrap(true);
        makeSecondary(*m_developmentNote);
        updates->addRow(m_developmentNote);
    }
    column->addWidget(updates);

    auto* about = new FormSection(QString(), this);
    m_version = new QLabel(QString::fromStdString(thisBuild().version));
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    about->addRow(row(tr("Version", "the studio's version"), m_version));
    const QUrl website(QUILLON_WEBSITE_URL);
    m_website = new QLabel(QString("<a href=\"%1\">%2</a>")
                               .arg(website.toString().toHtmlEscaped(), website.host().toHtmlEscaped()));
    m_website->setOpenExternalLinks(true);
    m_website->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto* siteRow = new QWidget;
    auto* siteLayout = new QHBoxLayout(siteRow);
    siteLayout->setContentsMargins(0, 0, 0, 0);
    siteLayout->addStretch();
    siteLayout->addWidget(m_website);
    about->addRow(siteRow);
    column->addWidget(about);
    column->addStretch();
}

void SettingsView::showEvent(QShowEvent* event)
{
    m_updater.refresh();
    showValues();
    // As tall as the wrapped texts need at the fixed width: a window's minimum size leaves the
    // wrapping out, and texts in scripts with taller lines were cut off.
    resize(kWidth, std::max(height(), heightForWidth(kWidth)));
    QDialog::showEvent(event);
}

void SettingsView::showValues()
{
    if (!m_updater.isEnabled())
        return;
    {
        const QSignalBlocker quiet(m_automatic);
        m_automatic->setChecked(m_updater.automaticallyChecks());
    }
    const std::optional<Instant> lastCheck = m_updater.lastCheck();
    m_lastChecked->setText(lastCheck ? QString::fromStdString(
                               formatRelativeDate(*lastCheck, m_now(), text::userLocaleIdentifier("LC_TIME")))
                                     : tr("Never", "last update check"));
    m_checkNow->setEnabled(m_updater.canCheckForUpdates());
}

} // namespace quillon
