// Starting the studio once per session and routing links to its window.
#include "studio/application/studio_application.h"

#include "platform/info/build_info.h"
#include "scenes/widget_link.h"
#include "updater/desktop_registration.h"
#include "updater/self_updater.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QWindow>

#include <utility>

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

// Qt's Wayland platform spends the token in XDG_ACTIVATION_TOKEN on the next window that asks to be
// activated, and clears it (QtWayland 6.4: QWaylandXdgSurface::requestActivate); bringing a window
// forward asks. The variable holds the token for that while only: one left in it would go to the
// programs the studio starts. Elsewhere (X11) nothing is set.
void withActivationToken(const QString& token, const std::function<void()>& bringForward)
{
    const bool lent
        = !token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (lent)
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    bringForward();
    if (lent)
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace

StudioApplication::StudioApplication()
    : m_adaptor(new ApplicationAdaptor(this))
{
    connect(m_adaptor, &ApplicationAdaptor::activated, this, [this](const QString& activationToken) {
        if (m_window)
            comeForward(activationToken, [this] { m_window->bringForward(); });
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
    if (QWindow* window = m_window->windowHandle())
        window->installEventFilter(this);
    // Started: a version on trial after an update has passed it.
    if (install)
        confirmVersionStarted(*install);
    if (link)
        open({QString::fromStdString(*link)}, {});
    return true;
}

void StudioApplication::open(const QStringList& links, const QString& activationToken)
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
    comeForward(activationToken, [this, &kind] {
        if (!kind || !m_window->model().openLink(widgetLink(*kind)))
            m_window->bringForward();
    });
}

void StudioApplication::comeForward(const QString& activationToken, const std::function<void()>& bringForward)
{
    // The bus starts a studio for the link it carries, and the link can come before the new window
    // is on the screen: the compositor drops a token for a window it does not show yet. It is used
    // once the window is shown. A window shown before and minimized since is off the screen too,
    // but only the token brings it back: from the first showing on, it is used at once.
    if (!activationToken.isEmpty() && !m_windowShown) {
        m_waitingActivationToken = activationToken;
        bringForward();
        return;
    }
    withActivationToken(activationToken, bringForward);
}

bool StudioApplication::eventFilter(QObject* watched, QEvent* event)
{
    const QWindow* window = m_window ? m_window->windowHandle() : nullptr;
    if (event->type() != QEvent::Expose || watched != window || !window->isExposed())
        return QObject::eventFilter(watched, event);
    // Its first showing is all this watch is for.
    m_windowShown = true;
    watched->removeEventFilter(this);
    if (!m_waitingActivationToken.isEmpty()) {
        // Once the window's first picture, which puts it on the screen, has gone to the compositor.
        QTimer::singleShot(0, this, [this] {
            const QString token = std::exchange(m_waitingActivationToken, {});
            if (m_window && !token.isEmpty())
                withActivationToken(token, [this] { m_window->bringForward(); });
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillon
