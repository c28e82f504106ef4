// Placed widgets, their file, the gallery, and the reload signal.
#include "widgethost/host/widget_host.h"

#include "platform/calendar/instant.h"
#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/self_updating_copy.h"
#include "platform/session_bus/dbus_timeline_reloader.h"
#include "platform/session_bus/desktop_notification.h"
#include "platform/session_bus/session_bus.h"
#include "platform/store/blob_folder.h"
#include "platform/translations/store_report_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
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

// Where on its screen a widget went, for "Placed … on your desktop, <region> of screen …".
QString regionWords(ScreenRegion region)
{
    switch (region) {
    case ScreenRegion::topLeft:
        //: Where on a screen a widget was placed: "…on your desktop, top left of screen HDMI-1"
        return WidgetHost::tr("top left");
    case ScreenRegion::top:
        //: Where on a screen a widget was placed: "…on your desktop, top of screen HDMI-1"
        return WidgetHost::tr("top");
    case ScreenRegion::topRight:
        //: Where on a screen a widget was placed: "…on your desktop, top right of screen HDMI-1"
        return WidgetHost::tr("top right");
    case ScreenRegion::left:
        //: Where on a screen a widget was placed: "…on your desktop, left of screen HDMI-1"
        return WidgetHost::tr("left");
    case ScreenRegion::middle:
        //: Where on a screen a widget was placed: "…on your desktop, middle of screen HDMI-1"
        return WidgetHost::tr("middle");
    case ScreenRegion::right:
        //: Where on a screen a widget was placed: "…on your desktop, right of screen HDMI-1"
        return WidgetHost::tr("right");
    case ScreenRegion::bottomLeft:
        //: Where on a screen a widget was placed: "…on your desktop, bottom left of screen HDMI-1"
        return WidgetHost::tr("bottom left");
    case ScreenRegion::bottom:
        //: Where on a screen a widget was placed: "…on your desktop, bottom of screen HDMI-1"
        return WidgetHost::tr("bottom");
    case ScreenRegion::bottomRight:
        break;
    }
    //: Where on a screen a widget was placed: "…on your desktop, bottom right of screen HDMI-1"
    return WidgetHost::tr("bottom right");
}

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
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

WidgetHost::WidgetHost(std::vector<LoadedPlugin> plugins, std::filesystem::path folder,
    std::unique_ptr<WidgetDesktop> desktop, QString pluginFolder)
    : m_plugins(std::move(plugins))
    , m_folder(std::move(folder))
    , m_pluginFolder(std::move(pluginFolder))
    , m_desktop(std::move(desktop))
{
    LoadedWidgets loaded = readPlacedWidgets(m_folder);
    for (const PlacedWidget& placed : loaded.widgets)
        show(placed);
    if (!loaded.report.ok())
        m_unreadFile = loaded.report;
    if (m_plugins.empty()) {
        std::cerr << "quillon-widgets: no widget plug-in in " << m_pluginFolder.toStdString()
                  << ": no widget can be shown or placed; the placed widgets are kept\n";
    }
    // Told once at start, where the user can see it: the host has no window of its own yet.
    if (const QString problem = standingProblem(); !problem.isEmpty())
        notifyDesktop("com.quillon.WidgetHost", tr("Quillon Widgets"), problem);
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

PlaceAnswer WidgetHost::placeWidget(const std::string& kind, WidgetFamily family)
{
    const auto refuse = [&](const QString& why) {
        std::cerr << "quillon-widgets: did not place a " << kind << " widget: " << why.toStdString() << "\n";
        return PlaceAnswer {false, why};
    };
    if (m_plugins.empty()) {
        //: %1 is the folder the widget plug-ins are looked for in
        return refuse(tr("No widget plug-in is installed in %1, so there is no widget to place. Installing "
                         "Quillon again brings it back.")
                          .arg(m_pluginFolder));
    }
    for (const LoadedPlugin& plugin : m_plugins) {
        const WidgetDescription* description = describe(plugin, kind);
        if (!description)
            continue;
        if (std::find(description->families.begin(), description->families.end(), family)
            == description->families.end()) {
            //: %1 is a widget's name, such as "Clock"; %2 a size, such as "Extra Large"
            return refuse(tr("The %1 widget does not come in the size %2.")
                              .arg(qText(description->displayName), familyDisplayTitle(family)));
        }
        std::vector<PlacedWidget> placed = placedWidgets();
        if (placed.size() >= kMaxPlacedWidgets) {
            //: %1 is the most widgets there can be on the desktop, 1,000
            return refuse(tr("%1 widgets are placed, the most there can be. Remove one to place another.")
                              .arg(QLocale().toString(static_cast<qulonglong>(kMaxPlacedWidgets))));
        }
        const QSize size = familyPointSize(family).toSize();
        const WidgetPlace place = m_desktop->placeForNew(size);
        // Saved before it is shown: a widget that would be gone at the next start is not placed.
        placed.push_back({plugin.fileName, kind, family, place.screen, place.x, place.y, "{}"});
        const StoreReport kept = keep(placed);
        if (!kept.ok()) {
            //: %1 says why, as in "the folder ~/.config/quillon is read-only"
            return refuse(
                tr("The widget was not placed, as it could not be saved: %1.").arg(storeProblemReason(kept)));
        }
        show(placed.back());
        const QString name = qText(description->displayName);
        const QString region = regionWords(
            regionOf({place.x, place.y, double(size.width()), double(size.height())}, place.screenArea));
        QString message = place.screenName.empty()
            //: %1 is a widget's name, such as "Clock"; %2 where on the screen, such as "top left"
            ? tr("Placed the %1 widget on your desktop, %2.").arg(name, region)
            //: %1 is a widget's name, such as "Clock"; %2 where on the screen, such as "top left"; %3 the
            //: screen's name, such as HDMI-1
            : tr("Placed the %1 widget on your desktop, %2 of screen %3.")
                  .arg(name, region, qText(place.screenName));
        std::cerr << "quillon-widgets: " << message.toStdString() << "\n";
        return {true, std::move(message)};
    }
    //: %1 is the kind of widget asked for, as the program names it
    return refuse(tr("No widget plug-in has a widget of the kind “%1”.").arg(qText(kind).left(64)));
}

QString WidgetHost::standingProblem() const
{
    QStringList problems;
    if (m_plugins.empty()) {
        //: %1 is the folder the widget plug-ins are looked for in
        problems << tr(
            "No widget plug-in was found in %1, so no widget can be shown. Your placed widgets are "
            "kept and come back once it is there.")
                        .arg(m_pluginFolder);
    }
    if (!m_unreadFile.ok()) {
        const QString reason = storeProblemReason(m_unreadFile);
        if (!m_unreadFile.keptAs.empty()) {
            //: %1 says why, as in "~/.config/quillon/widgets.json is damaged"; %2 where the file is kept
            problems << tr(
                "Your placed widgets could not be read: %1. The file is kept as %2, and the desktop "
                "started without them.")
                            .arg(reason, pathForPeople(m_unreadFile.keptAs));
        } else {
            //: %1 says why, as in "~/.config/quillon/widgets.json may not be read"
            problems << tr(
                "Your placed widgets could not be read: %1. The file is left as it is, and nothing is "
                "saved over it.")
                            .arg(reason);
        }
    }
    if (!m_lastSave.ok()) {
        //: %1 says why, as in "the folder ~/.config/quillon is read-only"
        problems << tr("The last change to your widgets could not be saved: %1.")
                        .arg(storeProblemReason(m_lastSave));
    }
    return problems.join("\n\n");
}

void WidgetHost::tell(const QString& text)
{
    std::cerr << "quillon-widgets: " << text.toStdString() << "\n";
    if (m_gallery && m_gallery->isVisible()) {
        m_galleryNote->setText(text);
        m_galleryNote->setVisible(!text.isEmpty());
        return;
    }
    notifyDesktop("com.quillon.WidgetHost", tr("Quillon Widgets"), text);
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

StoreReport WidgetHost::keep(const std::vector<PlacedWidget>& placed)
{
    if (!m_unreadFile.ok() && m_unreadFile.keptAs.empty()) {
        const auto aside = setAsidePlacedWidgets(m_folder);
        if (!aside) {
            std::cerr << "quillon-widgets: " << quillon::describe(m_unreadFile)
                      << ", and it still cannot be moved aside; the change is not saved over it\n";
            return m_unreadFile;
        }
        m_unreadFile.keptAs = *aside;
        std::cerr << "quillon-widgets: moved " << m_unreadFile.path.string() << " to "
                  << m_unreadFile.keptAs.string() << " before saving\n";
    }
    StoreReport report = savePlacedWidgets(m_folder, placed);
    if (!report.ok()) {
        std::cerr << "quillon-widgets: cannot save the widgets: " << quillon::describe(report)
                  << "; the last change is not kept\n";
        return report;
    }
    // The autostart entry follows the file: it brings back what the file holds.
    updateAutostart(!placed.empty());
    return report;
}

void WidgetHost::save()
{
    const StoreReport report = keep(placedWidgets());
    const bool told = !m_lastSave.ok();
    m_lastSave = report;
    // A failure is told once, until a save succeeds; the gallery shows it while it lasts.
    if (!report.ok() && !told)
        tell(standingProblem());
    else if (report.ok() && told && m_galleryNote)
        m_galleryNote->setText(standingProblem());
}

// The widgets come back after the next login only while there are some: an autostart entry is
// written with the first and removed with the last.
void WidgetHost::updateAutostart(bool wanted)
{
    const std::filesystem::path autostart = BlobFolder::configHome() / "autostart";
    const std::filesystem::path entry = autostart / "com.quillon.WidgetHost.desktop";
    std::error_code error;
    if (!wanted) {
        std::filesystem::remove(entry, error);
        return;
    }
    if (std::filesystem::exists(entry, error))
        return;
    std::filesystem::create_directories(autostart, error);
    const auto folder = BlobFolder::openPath(autostart);
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
    if (first)
        buildGallery();
    drawPreviews();
    m_galleryNote->setText(standingProblem());
    m_galleryNote->setVisible(!m_galleryNote->text().isEmpty());
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

void WidgetHost::buildGallery()
{
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
    m_galleryNote = new QLabel;
    m_galleryNote->setObjectName("galleryNote");
    m_galleryNote->setWordWrap(true);
    m_galleryNote->setTextFormat(Qt::PlainText);
    m_galleryNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: The gallery's note, for screen readers: what the last Add did, or what stands in the way
    m_galleryNote->setAccessibleName(tr("Status"));
    column->addWidget(m_galleryNote);
    for (const LoadedPlugin& plugin : m_plugins) {
        for (const WidgetDescription& widget : plugin.widgets)
            addGalleryEntry(*column, plugin, widget);
    }
    column->addStretch();
    m_galleryList->setWidget(content);
    m_galleryList->setWidgetResizable(true);
}

void WidgetHost::addGalleryEntry(
    QVBoxLayout& column, const LoadedPlugin& plugin, const WidgetDescription& widget)
{
    auto* title = new QLabel("<b>" + QString::fromStdString(widget.displayName).toHtmlEscaped() + "</b>");
    auto* about = new QLabel(QString::fromStdString(widget.description));
    about->setWordWrap(true);
    column.addWidget(title);
    column.addWidget(about);
    // Each size as it would look, with its button under it.
    auto* row = new QHBoxLayout;
    for (WidgetFamily family : widget.families) {
        auto* cell = new QVBoxLayout;
        auto* picture = new QLabel;
        //: A size's picture in the gallery, for screen readers: the widget's name, then the size.
        picture->setAccessibleName(
            tr("%1, %2").arg(QString::fromStdString(widget.displayName), familyDisplayTitle(family)));
        m_previews.push_back({picture, plugin.plugin, widget.kind, family});
        auto* add = new QPushButton(addButtonText(family));
        // "Add Medium" alone would not say which widget it adds.
        add->setAccessibleDescription(picture->accessibleName());
        const std::string kind = widget.kind;
        connect(add, &QPushButton::clicked, this, [this, kind, family] {
            const PlaceAnswer answer = placeWidget(kind, family);
            const QString standing = standingProblem();
            m_galleryNote->setText(standing.isEmpty() ? answer.message : standing + "\n\n" + answer.message);
            m_galleryNote->setVisible(true);
        });
        cell->addWidget(picture, 0, Qt::AlignBottom | Qt::AlignHCenter);
        cell->addWidget(add, 0, Qt::AlignHCenter);
        row->addLayout(cell);
    }
    row->addStretch();
    column.addLayout(row);
    column.addSpacing(14);
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
    QString message;
    return PlaceWidget(kind, family, message);
}

bool WidgetHostAdaptor::PlaceWidget(const QString& kind, const QString& family, QString& message)
{
    const auto parsed = widgetFamilyFromRawValue(family.left(64).toStdString());
    if (!parsed) {
        //: %1 is the size asked for, as the program names it
        message = WidgetHost::tr("There is no widget size “%1”.").arg(family.left(64));
        return false;
    }
    const PlaceAnswer answer = m_host.placeWidget(kind.left(256).toStdString(), *parsed);
    message = answer.message;
    return answer.placed;
}

} // namespace quillon::widgethost
