// Placed widgets, their file, the gallery, and the reload signal.
#include "widgethost/host/widget_host.h"

#include "platform/calendar/instant.h"
#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/self_updating_copy.h"
#include "platform/store/defaults_folder.h"
#include "platform/widgethost/dbus_timeline_reloader.h"
#include "platform/widgethost/session_bus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <iostream>

namespace quillon::widgethost {
namespace {

// The gallery's button under a size's picture: one text per size, as a language may word each its
// own way.
QString addButtonText(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        //: The gallery's button that adds the widget at its small size
        return WidgetHost::tr("Add Small");
    case WidgetFamily::systemLarge:
        //: The gallery's button that adds the widget at its large size
        return WidgetHost::tr("Add Large");
    case WidgetFamily::systemExtraLarge:
        //: The gallery's button that adds the widget at its extra large size
        return WidgetHost::tr("Add Extra Large");
    case WidgetFamily::systemMedium:
    case WidgetFamily::other:
        break;
    }
    //: The gallery's button that adds the widget at its medium size
    return WidgetHost::tr("Add Medium");
}

} // namespace

std::vector<LoadedPlugin> loadWidgetPlugins(const QStringList& files)
{
    std::vector<LoadedPlugin> plugins;
    for (const QString& path : files) {
        const std::string name = QFileInfo(path).fileName().toStdString();
        if (std::any_of(plugins.begin(), plugins.end(),
                [&](const LoadedPlugin& loaded) { return loaded.fileName == name; }))
            continue;
        auto loader = std::make_unique<QPluginLoader>(path);
        if (loader->metaData().value("IID").toString() != QuillonWidgetPlugin_iid) {
            std::cerr << "quillon-widgets: " << path.toStdString() << " is not a widget plug-in\n";
            continue;
        }
        auto* plugin = qobject_cast<WidgetPlugin*>(loader->instance());
        if (!plugin) {
            std::cerr << "quillon-widgets: the plug-in " << path.toStdString()
                      << " could not be loaded: " << loader->errorString().toStdString() << "\n";
            continue;
        }
        plugins.push_back({name, std::move(loader), plugin, plugin->widgets()});
    }
    return plugins;
}

WidgetHost::WidgetHost(
    std::vector<LoadedPlugin> plugins, std::filesystem::path folder, std::unique_ptr<WidgetDesktop> desktop)
    : m_plugins(std::move(plugins))
    , m_folder(std::move(folder))
    , m_desktop(std::move(desktop))
{
    for (const PlacedWidget& placed : loadPlacedWidgets(m_folder))
        show(placed);
    // After a jump of the clock the entry on show may be the wrong one; after a change of zone
    // every face must be drawn anew.
    connect(&m_clockWatcher, &ClockWatcher::clockJumped, this, [this] {
        for (const auto& widget : m_widgets)
            widget->driver().reschedule();
    });
    connect(&m_clockWatcher, &ClockWatcher::zoneChanged, this, &WidgetHost::reloadAll);
    // The studio's request: every widget asks for a new timeline.
    if (auto bus = sessionBus()) {
        if (!bus->connect(QString(), kTimelinesObjectPath, kTimelinesInterface, kReloadAllTimelinesSignal,
                this, SLOT(reloadAll())))
            std::cerr << "quillon-widgets: cannot listen for the studio's reload signal; widgets follow its "
                         "changes at their next update\n";
    }
}

WidgetHost::~WidgetHost()
{
    // The desktop's views refer to the widgets: they go first.
    m_desktop.reset();
}

const LoadedPlugin* WidgetHost::pluginFor(const std::string& fileName) const
{
    for (const LoadedPlugin& plugin : m_plugins) {
        if (plugin.fileName == fileName)
            return &plugin;
    }
    return nullptr;
}

const WidgetDescription* WidgetHost::describe(const LoadedPlugin& plugin, const std::string& kind) const
{
    for (const WidgetDescription& widget : plugin.widgets) {
        if (widget.kind == kind)
            return &widget;
    }
    return nullptr;
}

void WidgetHost::show(const PlacedWidget& placed)
{
    const LoadedPlugin* plugin = pluginFor(placed.plugin);
    const WidgetDescription* description = plugin ? describe(*plugin, placed.kind) : nullptr;
    if (!description) {
        m_unshown.push_back(placed);
        return;
    }
    auto widget = std::make_unique<LiveWidget>(*plugin->plugin, *description, placed);
    LiveWidget* raw = widget.get();
    connect(raw, &LiveWidget::changed, this, &WidgetHost::save);
    connect(raw, &LiveWidget::galleryRequested, this, &WidgetHost::showGallery);
    connect(raw, &LiveWidget::removeRequested, this, [this, raw] {
        const auto found = std::find_if(
            m_widgets.begin(), m_widgets.end(), [raw](const auto& owned) { return owned.get() == raw; });
        if (found == m_widgets.end())
            return;
        m_desktop->hide(*raw);
        // The widget is in the middle of its own menu: it goes once that returns.
        found->release()->deleteLater();
        m_widgets.erase(found);
        save();
    });
    m_widgets.push_back(std::move(widget));
    m_desktop->show(*raw);
}

bool WidgetHost::addWidget(const std::string& kind, WidgetFamily family)
{
    for (const LoadedPlugin& plugin : m_plugins) {
        const WidgetDescription* description = describe(plugin, kind);
        if (!description
            || std::find(description->families.begin(), description->families.end(), family)
                == description->families.end())
            continue;
        std::vector<PlacedWidget> placed = placedWidgets();
        if (placed.size() >= kMaxPlacedWidgets) {
            std::cerr << "quillon-widgets: " << placed.size()
                      << " widgets are placed, the most the host keeps; "
                      << "did not add " << kind << "\n";
            return false;
        }
        const WidgetPlace place = m_desktop->placeForNew(familyPointSize(family).toSize());
        // Saved before it is shown: a widget that would be gone at the next start is not placed.
        placed.push_back({plugin.fileName, kind, family, place.screen, place.x, place.y, "{}"});
        if (!keep(placed))
            return false;
        show(placed.back());
        return true;
    }
    return false;
}

void WidgetHost::reloadAll()
{
    for (const auto& widget : m_widgets)
        widget->driver().reload();
}

std::vector<PlacedWidget> WidgetHost::placedWidgets() const
{
    std::vector<PlacedWidget> placed = m_unshown;
    for (const auto& widget : m_widgets)
        placed.push_back(widget->placed());
    return placed;
}

bool WidgetHost::keep(const std::vector<PlacedWidget>& placed)
{
    if (!savePlacedWidgets(m_folder, placed)) {
        std::cerr << "quillon-widgets: cannot save the widgets to " << (m_folder / "widgets.json").string()
                  << "; the last change is not kept\n";
        return false;
    }
    // The autostart entry follows the file: it brings back what the file holds.
    updateAutostart(!placed.empty());
    return true;
}

// The widgets come back after the next login only while there are some: an autostart entry is
// written with the first and removed with the last.
void WidgetHost::updateAutostart(bool wanted)
{
    const std::filesystem::path autostart = DefaultsFolder::configHome() / "autostart";
    const std::filesystem::path entry = autostart / "com.quillon.WidgetHost.desktop";
    std::error_code error;
    if (!wanted) {
        std::filesystem::remove(entry, error);
        return;
    }
    if (std::filesystem::exists(entry, error))
        return;
    std::filesystem::create_directories(autostart, error);
    const auto folder = DefaultsFolder::openPath(autostart);
    // A copy that updates itself is started through its launcher, which outlives each version.
    const std::filesystem::path program
        = startingCommandOf(QCoreApplication::applicationDirPath().toStdString(),
            QCoreApplication::applicationFilePath().section('/', -1).toStdString());
    if (folder)
        folder->write("com.quillon.WidgetHost.desktop", autostartEntry("Quillon Widgets", program));
}

void WidgetHost::showGallery()
{
    const bool first = !m_gallery;
    if (first) {
        m_gallery = std::make_unique<QMainWindow>();
        //: The gallery's title: the widgets there are added to the desktop
        m_gallery->setWindowTitle(tr("Edit Widgets"));
        m_galleryList = new QScrollArea;
        m_galleryList->setFrameShape(QFrame::NoFrame);
        // Tab goes through the buttons, and the list scrolls to each.
        m_galleryList->setFocusPolicy(Qt::NoFocus);
        m_gallery->setCentralWidget(m_galleryList);
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        for (const LoadedPlugin& plugin : m_plugins) {
            for (const WidgetDescription& widget : plugin.widgets) {
                auto* title
                    = new QLabel("<b>" + QString::fromStdString(widget.displayName).toHtmlEscaped() + "</b>");
                auto* about = new QLabel(QString::fromStdString(widget.description));
                about->setWordWrap(true);
                column->addWidget(title);
                column->addWidget(about);
                // Each size as it would look, with its button under it.
                auto* row = new QHBoxLayout;
                for (WidgetFamily family : widget.families) {
                    auto* cell = new QVBoxLayout;
                    auto* picture = new QLabel;
                    //: A size's picture in the gallery, for screen readers: the widget's name, then the size.
                    picture->setAccessibleName(tr("%1, %2").arg(
                        QString::fromStdString(widget.displayName), familyDisplayTitle(family)));
                    m_previews.push_back({picture, plugin.plugin, widget.kind, family});
                    auto* add = new QPushButton(addButtonText(family));
                    // "Add Medium" alone would not say which widget it adds.
                    add->setAccessibleDescription(picture->accessibleName());
                    const std::string kind = widget.kind;
                    connect(
                        add, &QPushButton::clicked, this, [this, kind, family] { addWidget(kind, family); });
                    cell->addWidget(picture, 0, Qt::AlignBottom | Qt::AlignHCenter);
                    cell->addWidget(add, 0, Qt::AlignHCenter);
                    row->addLayout(cell);
                }
                row->addStretch();
                column->addLayout(row);
                column->addSpacing(14);
            }
        }
        column->addStretch();
        m_galleryList->setWidget(content);
        m_galleryList->setWidgetResizable(true);
    }
    drawPreviews();
    if (first) {
        // As wide as the widest row once the pictures are in, which longer words in other languages
        // widen too: it scrolls down only.
        const int rows = m_galleryList->widget()->sizeHint().width()
            + m_galleryList->verticalScrollBar()->sizeHint().width() + 2 * m_galleryList->frameWidth();
        m_gallery->resize(std::max(640, rows), 660);
    }
    m_gallery->show();
    m_gallery->raise();
    m_gallery->activateWindow();
}

void WidgetHost::drawPreviews()
{
    constexpr double kScale = 0.35;
    const double ratio = m_gallery ? m_gallery->devicePixelRatioF() : 1.0;
    for (const Preview& preview : m_previews) {
        const QSizeF size = familyPointSize(preview.family);
        const TimelineEntry entry
            = preview.plugin->snapshot(preview.kind, "{}", {Instant::now().secondsSinceReferenceDate});
        const Face face = preview.plugin->content(preview.kind, entry, preview.family);
        QPixmap picture((size * kScale * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        // The face is laid out at its real size and shrunk as a whole, as a screen's scale would.
        painter.scale(kScale, kScale);
        const QRectF area(QPointF(0, 0), size);
        QPainterPath shape;
        shape.addRoundedRect(area, LiveWidget::kCornerRadius, LiveWidget::kCornerRadius);
        painter.setClipPath(shape);
        painter.fillRect(area, face.containerBackground);
        if (face.paint)
            face.paint(painter, area);
        painter.end();
        preview.label->setPixmap(picture);
    }
}

bool WidgetHostAdaptor::AddWidget(const QString& kind, const QString& family)
{
    const auto parsed = widgetFamilyFromRawValue(family.left(64).toStdString());
    return parsed && m_host.addWidget(kind.left(256).toStdString(), *parsed);
}

} // namespace quillon::widgethost
