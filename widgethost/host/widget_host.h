// The desktop widget host: loads widget plug-ins, keeps the placed widgets on the desktop and in
// their file, and answers on the session bus. Its gallery and editors are another program's windows,
// which it starts and which tell it what to change.
#pragma once

#include "platform/session_bus/widget_host_bus.h"
#include "widgethost/core/clock_watcher.h"
#include "widgethost/core/loaded_plugins.h"
#include "widgethost/core/placed_widget_list.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/host/live_widget.h"
#include "widgethost/host/widget_desktop.h"

#include <QDBusAbstractAdaptor>
#include <QObject>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace quillon::widgethost {

// What placing a widget came to, in words for the user: where it went, or why it was not placed.
struct PlaceAnswer {
    bool placed = false;
    QString message;
};

// The environment the settings program (gallery, editors) starts in: the user's, without what the
// host chose for itself alone, such as the X11 platform it forces for widget windows where the
// compositor has no layer shell: the settings windows are ordinary windows of the user's desktop.
void setSettingsProgramEnvironment(QProcessEnvironment environment);

class WidgetHost final : public QObject {
    Q_OBJECT

public:
    // Shows the widgets kept in `folder` on `desktop`. `pluginFolder` is where the plug-ins were
    // looked for, to say so when there are none.
    WidgetHost(std::vector<LoadedPlugin> plugins, std::filesystem::path folder,
        std::unique_ptr<WidgetDesktop> desktop, QString pluginFolder = {});
    ~WidgetHost() override;

    // Places a widget of that kind string and family at a free spot (see placeForNew), and says
    // where. Places nothing, saying why, for a kind no plug-in has, once kMaxPlacedWidgets are
    // placed, or when the widget cannot be saved.
    PlaceAnswer placeWidget(const std::string& kind, WidgetFamily family);
    bool addWidget(const std::string& kind, WidgetFamily family) { return placeWidget(kind, family).placed; }
    // Brings the gallery forward, starting the settings program when it does not run.
    void showGallery();
    // What stands in the way of the widgets while the host runs (no plug-in, a file of placed
    // widgets that could not be read), in words for the user; empty when nothing does. The gallery
    // shows it at its top.
    QString standingProblem() const;

    // The widget that `id` names as it is placed, for its editor; nothing when no widget has the id.
    std::optional<PlacedWidget> widgetWithId(const QString& id) const;
    // Gives the widget `id` names new settings, a JSON object, and keeps them. Nothing when done; else
    // why nothing was changed, for the log: an id no widget has, or a configuration that is no object.
    std::optional<QString> setWidgetConfiguration(const QString& id, const QString& configuration);

    // The widgets shown, for the list of them a keyboard or a screen reader goes through: what each
    // is, its size, what it shows now and on which screen, and the screens there are.
    PlacedWidgetList placedWidgetList() const;
    // What the list asks, as the widget's menu does. Each nothing when done; else why nothing was
    // changed, for the log: an id no widget has, a size it does not come in, a screen not there.
    std::optional<QString> setWidgetSize(const QString& id, const QString& family);
    std::optional<QString> moveWidgetToScreen(const QString& id, const QString& screen);
    std::optional<QString> removeWidget(const QString& id);

signals:
    // A widget was removed: its editor, if one is open, has nothing left to edit.
    void widgetRemoved(const QString& id);
    // A widget was placed, removed, moved, resized or edited, or shows something new: once for the
    // changes of a moment.
    void placedWidgetsChanged();

public slots:
    // Every widget asks for a new timeline: the studio's reload signal, a change of zone.
    void reloadAll();

private:
    void show(const PlacedWidget& placed);
    void remove(LiveWidget& widget);
    // Opens the widget's editor in the settings program.
    void editWidget(const LiveWidget& widget);
    QString idOf(const LiveWidget& widget) const;
    LiveWidget* widgetNamed(const QString& id) const;
    std::vector<PlacedWidget> placedWidgets() const;
    // Writes the widgets to their file, with a line on standard error when that fails. A file that
    // could not be read at start is never written over: it is moved aside first, or nothing is written.
    StoreReport keep(const std::vector<PlacedWidget>& placed);
    // Keeps a change of the widgets shown, telling the user when it cannot be kept.
    void save();
    // Says it in the gallery when that is open, else in a desktop notification; and in the log.
    void tell(const QString& text);
    void updateAutostart(bool wanted);

    std::vector<LoadedPlugin> m_plugins;
    std::filesystem::path m_folder;
    QString m_pluginFolder;
    StoreReport m_unreadFile; // the file of placed widgets that could not be read, while it is in the way
    StoreReport m_lastSave;
    std::vector<PlacedWidget> m_unshown; // widgets whose plug-in or kind is missing: kept, not shown
    std::unique_ptr<WidgetDesktop> m_desktop;
    std::vector<std::unique_ptr<LiveWidget>> m_widgets;
    ClockWatcher m_clockWatcher;
    QTimer m_listChanged; // gathers the changes of a moment into one placedWidgetsChanged
};

// com.quillon.WidgetHost on the session bus.
class WidgetHostAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.quillon.WidgetHost") // kHostInterface: moc takes literals only

public:
    WidgetHostAdaptor(QObject* parent, WidgetHost& host);

public slots:
    void ShowGallery() { m_host.showGallery(); }
    bool AddWidget(const QString& kind, const QString& family);
    // AddWidget with its answer in words: where the widget went, or why it was not placed.
    bool PlaceWidget(const QString& kind, const QString& family, QString& message);
    void ReloadAll() { m_host.reloadAll(); }
    // What the settings program asks. The note at the top of the gallery: what stands in the way.
    QString GalleryNote() { return m_host.standingProblem(); }
    // The plug-in's file name, the kind and the settings of the widget `id` names; false when no
    // widget has it.
    bool WidgetConfiguration(const QString& id, QString& plugin, QString& kind, QString& configuration);
    // Gives the widget new settings and keeps them; false, saying why, when it cannot.
    bool SetWidgetConfiguration(const QString& id, const QString& configuration, QString& message);
    // The placed widgets as JSON (placed_widget_list.h), and what the list of them asks: each false,
    // saying why, when nothing was changed.
    QString PlacedWidgets();
    bool SetWidgetSize(const QString& id, const QString& family, QString& message);
    bool MoveWidget(const QString& id, const QString& screen, QString& message);
    bool RemoveWidget(const QString& id, QString& message);

signals:
    void WidgetRemoved(const QString& id);
    void PlacedWidgetsChanged();

private:
    WidgetHost& m_host;
};

} // namespace quillon::widgethost
