// quillon-widgets: the desktop widget host. One per session; a second start shows the gallery of
// the first and ends.
#include "platform/desktop/running_version.h"
#include "platform/desktop/self_updating_copy.h"
#include "platform/desktop/single_instance.h"
#include "platform/info/bundle_info.h"
#include "platform/store/settings_folder.h"
#include "platform/translations/translations.h"
#include "platform/widgethost/session_bus.h"
#include "widgethost/desktop_choice.h"
#include "widgethost/host/layer_desktop.h"
#include "widgethost/host/widget_host.h"
#include "widgethost/host/window_desktop.h"
#include "widgethost/layershell/wayland_display.h"
#include "widgethost/plugin_files.h"
#include "widgethost/viewer/widget_viewer.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <cstdlib>
#include <iostream>

using namespace quillon;
using namespace quillon::widgethost;

int main(int argc, char** argv)
{
    // The viewer needs no display and no host: it runs on its own.
    QStringList rawArguments;
    for (int index = 0; index < argc; ++index)
        rawArguments << QString::fromLocal8Bit(argv[index]);
    if (isViewerRequest(rawArguments)) {
        QCoreApplication viewer(argc, argv);
        return runWidgetViewer(QCoreApplication::arguments());
    }

    // Help and the version need no display either.
    if (rawArguments.contains("--version")) {
        std::cout << versionLine("quillon-widgets", mainBundleInfo()) << "\n";
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

    // Decided before the application object exists, which fixes Qt's platform.
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    std::string waylandProblem;
    std::unique_ptr<WaylandDisplay> wayland;
    DesktopFacts facts;
    facts.waylandSession = set("WAYLAND_DISPLAY");
    if (facts.waylandSession)
        wayland = WaylandDisplay::connect(waylandProblem);
    facts.layerShellOffered = wayland && wayland->offersLayerShell();
    facts.waylandProblem = waylandProblem;
    facts.x11Display = set("DISPLAY");
    facts.qtPlatformChosen = set("QT_QPA_PLATFORM");
    const DesktopChoice choice = chooseDesktop(facts);
    if (choice.kind == DesktopKind::none) {
        std::cerr << "quillon-widgets: " << choice.message << "\n";
        return 1;
    }
    if (choice.kind != DesktopKind::layerShell)
        wayland.reset();
    if (!choice.qtPlatform.empty())
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.qtPlatform));

    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillon Widgets");
    // Appended to its windows' titles ("Edit Widgets — Quillon Widgets"), which say whose they are.
    QApplication::setApplicationDisplayName("Quillon Widgets");
    QApplication::setDesktopFileName("com.quillon.WidgetHost");
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the plug-ins are loaded: they name their widgets in the language installed now.
    installTranslations(translationFolders());

    const QStringList arguments = QApplication::arguments();
    bool gallery = false;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (arguments[index] == "--gallery") {
            gallery = true;
        } else {
            std::cerr << "quillon-widgets: unknown argument '" << arguments[index].left(200).toStdString()
                      << "': see --help\n";
            return 2;
        }
    }

    auto bus = sessionBus();
    if (bus && bus->interface()) {
        if (!claimBusName(*bus, kHostBusName)) {
            bus->call(QDBusMessage::createMethodCall(
                          kHostBusName, kHostObjectPath, kHostInterface, kShowGalleryMethod),
                QDBus::Block, 5000);
            return 0;
        }
    }

    std::cerr << "quillon-widgets: " << choice.message << "\n";
    // A copy that updates itself keeps this version while the host runs, and its trial after an
    // update is passed: the host has started.
    const auto install = selfUpdatingInstallOf(QCoreApplication::applicationDirPath().toStdString());
    std::optional<RunningVersionMark> runningVersion;
    if (install) {
        runningVersion.emplace(*install);
        confirmVersionStarted(*install);
    }
    std::unique_ptr<WidgetDesktop> desktop;
    if (wayland) {
        auto layers = std::make_unique<LayerDesktop>(std::move(wayland));
        // Without its compositor the host has nothing to show on: it ends, as Qt's windows do.
        QObject::connect(layers.get(), &LayerDesktop::lost, &application, [] {
            std::cerr << "quillon-widgets: the Wayland compositor has gone; ending\n";
            QCoreApplication::exit(1);
        });
        desktop = std::move(layers);
    } else {
        desktop = std::make_unique<WindowDesktop>();
    }
    // Only the plug-ins of this program's own install: a build tree is laid out as one.
    const QStringList pluginFiles = trustedPluginFiles({installedPluginFolder()},
        [](const std::string& line) { std::cerr << "quillon-widgets: " << line << "\n"; });
    moveEarlierSettings();
    WidgetHost host(
        loadWidgetPlugins(pluginFiles), settingsFolder(), std::move(desktop), installedPluginFolder());
    QObject service;
    new WidgetHostAdaptor(&service, host);
    if (bus) {
        bus->registerObject(kHostObjectPath, &service, QDBusConnection::ExportAdaptors);
        // The session bus goes when the session ends, and the widgets go with it.
        bus->connect(QString(), "/org/freedesktop/DBus/Local", "org.freedesktop.DBus.Local", "Disconnected",
            &application, SLOT(quit()));
    }
    // Started by the bus for a call, the host shows only what was asked for; started by the user
    // from the menu (--gallery), it opens the gallery.
    if (gallery)
        host.showGallery();
    return QApplication::exec();
}
