// What quillon-widget-settings shows: the gallery, and an editor for each widget being edited. It
// keeps nothing itself: an Add and every edit go to the host over the session bus, and the host,
// the one writer of the placed widgets' file, keeps them and updates the widget on the desktop.
#pragma once

#include "widgethost/core/loaded_plugins.h"
#include "widgethost/editor/widget_editor.h"
#include "widgethost/settings/settings_request.h"
#include "widgethost/settings/widget_gallery.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class QDBusMessage;

namespace quillon::widgethost {

class WidgetSettings final : public QObject {
    Q_OBJECT

public:
    using PluginLoader = std::function<std::vector<LoadedPlugin>()>;

    // The plug-ins are loaded the first time a window needs them: a start that only hands its
    // request to the program already running loads none.
    explicit WidgetSettings(PluginLoader loadPlugins, QObject* parent = nullptr);
    ~WidgetSettings() override;

    void show(const SettingsRequest& request);
    // Brings the gallery forward, made the first time, with the host's note of what stands in the way.
    void showGallery();
    // Brings the widget's editor forward, made the first time from what the host says of the widget.
    void editWidget(const QString& id);
    // The host's note, in the gallery while it is open: whether it was shown.
    bool showNote(const QString& text);

signals:
    // No window is shown or on its way: the program has nothing left to do.
    void nothingShown();

public slots:
    // The host removed the widget, or ended: its editor has nothing left to edit.
    void closeEditor(const QString& id);
    void closeEditors();
    // Asks the host for the widgets placed, for the gallery's list of them, while it is open.
    void refreshPlacedWidgets();

private:
    const std::vector<LoadedPlugin>& plugins();
    // Asks the host for what stands in the way, and shows it in the gallery over `answer`.
    void refreshNote(const QString& answer);
    void openEditor(const QString& id, const QDBusMessage& reply);
    void forgetEditor(const QString& id);
    void sendConfiguration(const QString& id, const std::string& configuration);
    // Asks the host for a change the list of placed widgets asked for: the method and its arguments.
    void askHost(const char* method, const QVariantList& arguments);
    void endIfNothingShown();

    PluginLoader m_loadPlugins;
    // Declared before the windows, which draw with the plug-ins, so that it goes after them.
    std::optional<std::vector<LoadedPlugin>> m_plugins;
    std::unique_ptr<WidgetGallery> m_gallery;
    std::map<QString, std::unique_ptr<WidgetEditor>> m_editors;
    std::set<QString> m_opening; // editors asked for whose widget the host has not described yet
    // The gallery was brought forward and its list is on its way: the keyboard goes to it, at the
    // top of the window, once it is there.
    bool m_listAwaited = false;
};

} // namespace quillon::widgethost
