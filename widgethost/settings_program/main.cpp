// quillon-widget-settings: the widget host's gallery and the widgets' editors, in a process of their
// own so that the host holds the widgets and nothing else. The host starts it; one runs per session,
// and a second start hands its request to the first and ends.
#include "platform/desktop/single_instance.h"
#include "platform/info/build_info.h"
#include "platform/session_bus/session_bus.h"
#include "platform/session_bus/widget_host_bus.h"
#include "platform/translations/translations.h"
#include "widget_plugin/plugin_files.h"
#include "widgethost/core/loaded_plugins.h"
#include "widgethost/settings/settings_request.h"
#include "widgethost/settings/widget_settings.h"
#include "widgethost/settings/widget_settings_adaptor.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <iostream>
#include <optional>
#include <string_view>

using namespace quillon;
using namespace quillon::widgethost;

namespace {

// Help and the version need no display. The exit status when one was asked for.
std::optional<int> answerHelpOrVersion(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--version") {
            std::cout << versionLine("quillon-widget-settings", thisBuild()) << "\n";
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            std::cout << "usage: quillon-widget-settings [--gallery | --edit ID | --version]\n"
                         "Shows the gallery of Quillon's widgets, or the editor of one placed widget, for\n"
                         "quillon-widgets, which starts it and keeps what is added and edited.\n";
            return 0;
        }
    }
    return std::nullopt;
}

void setUpApplication()
{
    // The windows are the widget host's to the user: its name, its titles, its icon.
    QApplication::setApplicationName("Quillon Widgets");
    QApplication::setApplicationDisplayName("Quillon Widgets");
    QApplication::setDesktopFileName("com.quillon.WidgetHost");
    // It ends when no window is left and none is on its way, which an editor still being asked for
    // from the host is.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the plug-ins are loaded: they name their widgets in the language installed now.
    installTranslations(translationFolders());
}

// The plug-ins of this program's own install, found as the host finds them.
std::vector<LoadedPlugin> ownPlugins()
{
    return loadWidgetPlugins(trustedPluginFiles({installedPluginFolder()},
        [](const std::string& line) { std::cerr << "quillon-widget-settings: " << line << "\n"; }));
}

// One settings program a session: when another holds the name, it shows what was asked for.
bool handedToRunningSettings(QDBusConnection& bus, const SettingsRequest& request)
{
    if (claimBusName(bus, kSettingsBusName))
        return false;
    const bool editor = request.window == SettingsRequest::Window::editor;
    QDBusMessage call = QDBusMessage::createMethodCall(kSettingsBusName, kSettingsObjectPath,
        kSettingsInterface, editor ? kEditWidgetMethod : kShowGalleryMethod);
    if (editor)
        call << request.widget;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kSettingsCallTimeoutMilliseconds);
    // When it could not be reached (it was ending), this one shows the window itself.
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> status = answerHelpOrVersion(argc, argv))
        return *status;
    QApplication application(argc, argv);
    setUpApplication();
    QString problem;
    const std::optional<SettingsRequest> request = settingsRequestOf(QApplication::arguments(), problem);
    if (!request) {
        std::cerr << "quillon-widget-settings: " << problem.toStdString() << "\n";
        return 2;
    }

    WidgetSettings settings(ownPlugins);
    QObject service;
    new WidgetSettingsAdaptor(&service, settings);
    if (auto bus = sessionBus()) {
        // Offered before the name is taken, so that a request handed over at once finds it.
        bus->registerObject(kSettingsObjectPath, &service, QDBusConnection::ExportAdaptors);
        if (bus->interface() && handedToRunningSettings(*bus, *request))
            return 0;
        // The session bus goes when the session ends, and the windows go with it.
        bus->connect(QString(), "/org/freedesktop/DBus/Local", "org.freedesktop.DBus.Local", "Disconnected",
            &application, SLOT(quit()));
    }
    QObject::connect(&settings, &WidgetSettings::nothingShown, &application, &QCoreApplication::quit);
    settings.show(*request);
    return QApplication::exec();
}
