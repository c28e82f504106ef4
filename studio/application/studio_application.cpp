// Starting the studio once per session and routing links to its window.
#include "studio/application/studio_application.h"

#include "platform/info/build_info.h"
#include "scenes/widget_link.h"
#include "updater/desktop_registration.h"
#include "updater/self_updater.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QSysInfo>

namespace quillon {
namespace {

// The updater of this copy: the feed and key of a release build, and, where the copy was unpacked
// from the download into a folder the user owns (`install`), the means to replace itself.
std::unique_ptr<Updater> makeUpdater(const std::optional<SelfUpdatingInstall>& install, QSettings& settings,
    UpdateWindows& windows, QWidget* parent)
{
    const BuildInfo& info = thisBuild();
    SelfUpdaterConfiguration configuration {QUrl(QString::fromStdString(info.feedURL).trimmed()),
        info.updatePublicKey, info.identifier, info.build, info.version,
        {QSysInfo::kernelVersion().toStdString(), QSysInfo::buildCpuArchitecture().toStdString()}, install,
        QUILLON_WEBSITE_URL};
    return std::make_unique<Updater>(info,
        std::make_unique<SelfUpdater>(std::move(configuration), settings, windows),
        [parent] { showDevelopmentBuildNotice(parent); });
}

} // namespace

StudioApplication::StudioApplication()
    : m_adaptor(new ApplicationAdaptor(this))
{
    connect(m_adaptor, &ApplicationAdaptor::activated, this, [this] {
        if (m_window)
            m_window->bringForward();
    });
    connect(m_adaptor, &ApplicationAdaptor::opened, this, &StudioApplication::open);
}

StudioApplication::~StudioApplication() = default;

bool StudioApplication::start(const std::optional<std::string>& link)
{
    if (claimSingleInstance(this, m_adaptor, link) == InstanceRole::forwarded)
        return false;
    // A copy unpacked from the download tells the desktop where it is: its entries, icon and bus
    // services, so that links, the menu and "Place on Desktop" reach it.
    const auto install = selfUpdatingInstallOf(QCoreApplication::applicationDirPath().toStdString());
    if (install) {
        // Kept while this studio runs, whatever an update in another session does meanwhile.
        m_runningVersion = std::make_unique<RunningVersionMark>(*install);
        registerWithDesktop(
            *install, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
    }
    m_window = std::make_unique<StudioWindow>(m_store, m_reloader);
    m_updateWindows.setParent(m_window.get());
    m_updater = makeUpdater(install, m_settings, m_updateWindows, m_window.get());
    m_window->setUpdater(*m_updater);
    m_window->show();
    // Started: a version on trial after an update has passed it.
    if (install)
        confirmVersionStarted(*install);
    if (link)
        open({QString::fromStdString(*link)});
    return true;
}

void StudioApplication::open(const QStringList& links)
{
    if (!m_window)
        return;
    // Each link applied would be a save; a call with a thousand of them froze the studio for
    // seconds. Only the last one that names a kind can show, so it alone is applied.
    std::vector<std::string> candidates;
    candidates.reserve(static_cast<std::size_t>(links.size()));
    for (const QString& link : links)
        candidates.push_back(link.left(static_cast<qsizetype>(kMaxLinkLength) + 1).toStdString());
    const std::optional<DotWidgetKind> kind = kindFromLastWidgetLink(candidates);
    // Whatever came, the user asked for the studio: bring it forward.
    if (!kind || !m_window->model().openLink(widgetLink(*kind)))
        m_window->bringForward();
}

} // namespace quillon
