// The desktop widget host: loads widget plug-ins, keeps the placed widgets on the desktop and in
// their file, and answers on the session bus.
#pragma once

#include "platform/session_bus/widget_host_bus.h"
#include "widgethost/core/clock_watcher.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/host/live_widget.h"
#include "widgethost/host/widget_desktop.h"

#include <QDBusAbstractAdaptor>
#include <QObject>
#include <QPluginLoader>

#include <filesystem>
#include <memory>
#include <vector>

class QLabel;
class QMainWindow;
class QScrollArea;
class QVBoxLayout;

namespace quillon::widgethost {

struct LoadedPlugin {
    std::string fileName;
    std::unique_ptr<QPluginLoader> loader;
    WidgetPlugin* plugin = nullptr;
    std::vector<WidgetDescription> widgets;
};

// The widget plug-ins of `files`, each file name loaded once; one that fails says why in the log.
std::vector<LoadedPlugin> loadWidgetPlugins(const QStringList& files);

// What placing a widget came to, in words for the user: where it went, or why it was not placed.
struct PlaceAnswer {
    bool placed = false;
    QString message;
};

class WidgetHost final : public QObject {
    Q_OBJECT

public:
    // Shows the widgets kept in `folder` on `desktop`. `pluginFolder` is where the plug-ins were
    // looked for, to say so when there are none.
    WidgetHost(std::vector<LoadedPlugin> plugins, std::filesystem::path folder,
        std::unique_ptr<WidgetDesktop> desktop, QString pluginFolder = {});
    ~WidgetHost() override;

    // Places a widget of that kind string and family at a free spot near the pointer, and says
    // where. Places nothing, saying why, for a kind no plug-in has, once kMaxPlacedWidgets are
    // placed, or when the widget cannot be saved.
    PlaceAnswer placeWidget(const std::string& kind, WidgetFamily family);
    bool addWidget(const std::string& kind, WidgetFamily family) { return placeWidget(kind, family).placed; }
    void showGallery();
    // What stands in the way of the widgets while the host runs (no plug-in, a file of placed
    // widgets that could not be read), in words for the user; empty when nothing does.
    QString standingProblem() const;

public slots:
    // Every widget asks for a new timeline: the studio's reload signal, a change of zone.
    void reloadAll();

private:
    void show(const PlacedWidget& placed);
    std::vector<PlacedWidget> placedWidgets() const;
    // Writes the widgets to their file, with a line on standard error when that fails. A file that
    // could not be read at start is never written over: it is moved aside first, or nothing is written.
    StoreReport keep(const std::vector<PlacedWidget>& placed);
    // Keeps a change of the widgets shown, telling the user when it cannot be kept.
    void save();
    // Says it in the gallery when that is open, else in a desktop notification; and in the log.
    void tell(const QString& text);
    void updateAutostart(bool wanted);
    const LoadedPlugin* pluginFor(const std::string& fileName) const;
    const WidgetDescription* describe(const LoadedPlugin& plugin, const std::string& kind) const;

    std::vector<LoadedPlugin> m_plugins;
    std::filesystem::path m_folder;
    QString m_pluginFolder;
    StoreReport m_unreadFile; // the file of placed widgets that could not be read, while it is in the way
    StoreReport m_lastSave;
    std::vector<PlacedWidget> m_unshown; // widgets whose plug-in or kind is missing: kept, not shown
    std::unique_ptr<WidgetDesktop> m_desktop;
    std::vector<std::unique_ptr<LiveWidget>> m_widgets;
    // A window of its own around the scrolling list, so that screen readers know it as a window.
    std::unique_ptr<QMainWindow> m_gallery;
    QScrollArea* m_galleryList = nullptr;
    QLabel* m_galleryNote = nullptr; // what stands in the way, and the answer to the last Add
    // The gallery's pictures, drawn again each time it is shown so that they show today's settings.
    struct Preview {
        QLabel* label;
        const WidgetPlugin* plugin;
        std::string kind;
        WidgetFamily family;
    };
    std::vector<Preview> m_previews;
    void drawPreviews();
    // The gallery's window, made the first time it is shown.
    void buildGallery();
    // A widget's name and description, then each of its sizes as it looks with its Add button.
    void addGalleryEntry(QVBoxLayout& column, const LoadedPlugin& plugin, const WidgetDescription& widget);
    ClockWatcher m_clockWatcher;
};

// com.quillon.WidgetHost on the session bus.
class WidgetHostAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.quillon.WidgetHost") // kHostInterface: moc takes literals only

public:
    WidgetHostAdaptor(QObject* parent, WidgetHost& host)
        : QDBusAbstractAdaptor(parent)
        , m_host(host)
    {
    }

public slots:
    void ShowGallery() { m_host.showGallery(); }
    bool AddWidget(const QString& kind, const QString& family);
    // AddWidget with its answer in words: where the widget went, or why it was not placed.
    bool PlaceWidget(const QString& kind, const QString& family, QString& message);
    void ReloadAll() { m_host.reloadAll(); }

private:
    WidgetHost& m_host;
};

} // namespace quillon::widgethost
