// quillon-widgets: the desktop widget host. One per session; a second start shows the gallery of
// the first and ends.
#include "platform/desktop/running_version.h"
#include "platform/desktop/self_updating_copy.h"
#include "platform/desktop/single_instance.h"
#include "platform/info/build_info.h"
#include "platform/session_bus/session_bus.h"
#include "platform/store/settings_folder.h"
#include "platform/translations/translations.h"
#include "widget_plugin/plugin_files.h"
#include "widgethost/core/desktop_choice.h"
#include "widgethost/desktops/layer_desktop.h"
#include "widgethost/desktops/window_desktop.h"
#include "widgethost/host/widget_host.h"
#include "widgethost/layer_shell/wayland_display.h"
#include "widgethost/viewer/widget_viewer.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

using namespace quillon;
using namespace quillon::widgethost;

namespace {

QStringList rawArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

int runViewer(int& argc, char** argv)
{
    QCoreApplication viewer(argc, argv);
    return runWidgetViewer(QCoreApplication::arguments());
}

// Help and the version need no display either. The exit status when one was asked for.
std::optional<int> answerHelpOrVersion(const QStringList& rawArguments)
{
    if (rawArguments.contains("--version")) {
        std::cout << versionLine("quillon-widgets", thisBuild()) << "\n";
        return 0;
    }
    if (rawArguments.contains("--help") || rawArguments.contains("-h")) {
        std::cout << "usage: quillon-widgets [--gallery | --version]\n"
                     "Keeps Quillon's widgets on the desktop. With --list, --timeline, --snapshot or\n"
                     "--entities it shows the widget plug-ins instead (quillon-widgets --list --help).\n"
                     "\n"
                     "Where the widgets appear:\n"
                     "  Wayland desktops whose compositor has the layer shell (KDE Plasma, sway, Hyprland,\n"
                     "    labwc, Wayfire, river and others): in the desktop's bottom layer, under the\n"
                     "    windows, each kept on its output.\n"
                     "  Other Wayland desktops (GNOME): as X11 windows below the others, through XWayland.\n"
                     "  X11 desktops: as windows below the others, on every workspace.\n";
        return 0;
    }
    return std::nullopt;
}

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// The desktop the host shows its widgets on, with the compositor's connection when they go in its
// layers.
struct HostDesktop {
    DesktopChoice choice;
    std::unique_ptr<WaylandDisplay> wayland;
};

// Decided before the application object exists, which fixes Qt's platform. Nothing, once it has
// said why, when the session has no desktop for widgets.
std::optional<HostDesktop> chooseHostDesktop()
{
    std::string waylandProblem;
    std::unique_ptr<WaylandDisplay> wayland;
    DesktopFacts facts;
    facts.waylandSession = isSet("WAYLAND_DISPLAY");
    if (facts.waylandSession)
        wayland = WaylandDisplay::connect(waylandProblem);
    facts.layerShellOffered = wayland && wayland->offersLayerShell();
    facts.waylandProblem = waylandProblem;
    facts.x11Display = isSet("DISPLAY");
    facts.qtPlatformChosen = isSet("QT_QPA_PLATFORM");
    const DesktopChoice choice = chooseDesktop(facts);
    if (choice.kind == DesktopKind::none) {
        std::cerr << "quillon-widgets: " << choice.message << "\n";
        return std::nullopt;
    }
    if (choice.kind != DesktopKind::layerShell)
        wayland.reset();
    setSettingsProgramEnvironment(QProcessEnvironment::systemEnvironment());
    if (!choice.qtPlatform.empty())
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.qtPlatform));
    return HostDesktop {choice, std::move(wayland)};
}

void setUpApplication()
{
    QApplication::setApplicationName("Quillon Widgets");
    // Appended to its windows' titles ("Edit Widgets — Quillon Widgets"), which say whose they are.
    QApplication::setApplicationDisplayName("Quillon Widgets");
    QApplication::setDesktopFileName("com.quillon.WidgetHost");
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the plug-ins are loaded: they name their widgets in the language installed now.
    installTranslations(translationFolders());
}

struct HostOptions {
    bool gallery = false;
};

// The host's own options, read once Qt has taken its own; nothing, once it has said why, for an
// argument it does not know.
std::optional<HostOptions> hostOptionsOf(const QStringList& arguments)
{
    HostOptions options;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (arguments[index] == "--gallery") {
            options.gallery = true;
        } else {
            std::cerr << "quillon-widgets: unknown argument '" << arguments[index].left(200).toStdString()
                      << "': see --help\n";
            return std::nullopt;
        }
    }
    return options;
}

// One host a session: when another holds the host's name on the bus, it is asked to show its gallery
// and this one has nothing left to do.
// A desktop may start the host twice at login (its autostart entry and the user unit): only the
// menu's start (--gallery) brings the running host's gallery up, so no gallery opens at login.
bool passedToRunningHost(QDBusConnection& bus, bool showGallery)
{
    if (!bus.interface() || claimBusName(bus, kHostBusName))
        return false;
    if (showGallery) {
        bus.call(
            QDBusMessage::createMethodCall(kHostBusName, kHostObjectPath, kHostInterface, kShowGalleryMethod),
            QDBus::Block, 5000);
    } else {
        std::cerr << "quillon-widgets: the widget host is already running in this session\n";
    }
    return true;
}

// A copy that updates itself keeps this version while the host runs, and its trial after an
// update is passed: the host has started.
void holdRunningVersion(std::optional<RunningVersionMark>& runningVersion)
{
    const auto install = selfUpdatingInstallOf(QCoreApplication::applicationDirPath().toStdString());
    if (install) {
        runningVersion.emplace(*install);
        confirmVersionStarted(*install);
    }
}

std::unique_ptr<WidgetDesktop> makeDesktop(std::unique_ptr<WaylandDisplay> wayland, QApplication& application)
{
    if (!wayland)
        return std::make_unique<WindowDesktop>();
    auto layers = std::make_unique<LayerDesktop>(std::move(wayland));
    // Without its compositor the host has nothing to show on: it ends, as Qt's windows do.
    QObject::connect(layers.get(), &LayerDesktop::lost, &application, [] {
        std::cerr << "quillon-widgets: the Wayland compositor has gone; ending\n";
        QCoreApplication::exit(1);
    });
    return layers;
}

// Only the plug-ins of this program's own install: a build tree is laid out as one.
QStringList ownPluginFiles()
{
    return trustedPluginFiles({installedPluginFolder()},
        [](const std::string& line) { std::cerr << "quillon-widgets: " << line << "\n"; });
}

void serveOnBus(
    std::optional<QDBusConnection>& bus, QObject& service, WidgetHost& host, QApplication& application)
{
    new WidgetHostAdaptor(&service, host);
    if (bus) {
        bus->registerObject(kHostObjectPath, &service, QDBusConnection::ExportAdaptors);
        // The session bus goes when the session ends, and the widgets go with it.
        bus->connect(QString(), "/org/freedesktop/DBus/Local", "org.freedesktop.DBus.Local", "Disconnected",
            &application, SLOT(quit()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList rawArguments = rawArgumentsOf(argc, argv);
    // The viewer needs no display and no host: it runs on its own.
    if (isViewerRequest(rawArguments))
        return runViewer(argc, argv);
    if (const std::optional<int> status = answerHelpOrVersion(rawArguments))
        return *status;
    std::optional<HostDesktop> desktopChosen = chooseHostDesktop();
    if (!desktopChosen)
        return 1;

    QApplication application(argc, argv);
    setUpApplication();
    const std::optional<HostOptions> options = hostOptionsOf(QApplication::arguments());
    if (!options)
        return 2;
    auto bus = sessionBus();
    if (bus && passedToRunningHost(*bus, options->gallery))
        return 0;

    std::cerr << "quillon-widgets: " << desktopChosen->choice.message << "\n";
    std::optional<RunningVersionMark> runningVersion;
    holdRunningVersion(runningVersion);
    std::unique_ptr<WidgetDesktop> desktop = makeDesktop(std::move(desktopChosen->wayland), application);
    const QStringList pluginFiles = ownPluginFiles();
    moveEarlierSettings();
    WidgetHost host(
        loadWidgetPlugins(pluginFiles), settingsFolder(), std::move(desktop), installedPluginFolder());
    QObject service;
    serveOnBus(bus, service, host, application);
    // Started by the bus for a call, the host shows only what was asked for; started by the user
    // from the menu (--gallery), it opens the gallery.
    if (options->gallery)
        host.showGallery();
    return QApplication::exec();
}
