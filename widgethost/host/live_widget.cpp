// The face, its timeline and its menu.
#include "widgethost/host/live_widget.h"

#include "platform/calendar/instant.h"
#include "platform/session_bus/studio_bus.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include <iostream>

namespace quillon::widgethost {
namespace {

// Off unless asked for (QT_LOGGING_RULES="quillon.widgets.timelines.info=true"): one line each time a
// widget asks its plug-in for a timeline, to see that reloads and clock changes reach every widget.
Q_LOGGING_CATEGORY(timelineLog, "quillon.widgets.timelines", QtWarningMsg)

int nextSerial()
{
    static int serial = 0;
    return ++serial;
}

} // namespace

LiveWidget::LiveWidget(WidgetPlugin& plugin, WidgetDescription description, PlacedWidget placed)
    : m_plugin(plugin)
    , m_description(std::move(description))
    , m_placed(std::move(placed))
    , m_serial(nextSerial())
{
    const std::string& kind = m_placed.kind;
    m_face = m_plugin.content(
        kind, m_plugin.placeholder(kind, {Instant::now().secondsSinceReferenceDate}), m_placed.family);
    makeDriver();
}

LiveWidget::~LiveWidget() = default;

void LiveWidget::makeDriver()
{
    const std::string kind = m_placed.kind;
    const std::string configuration = m_placed.configuration;
    WidgetPlugin* plugin = &m_plugin;
    m_driver = std::make_unique<TimelineDriver>(
        [plugin, kind, configuration, serial = m_serial]() -> std::optional<Timeline> {
            qCInfo(timelineLog, "widget %d (%s) asks for a timeline", serial, kind.c_str());
            return plugin->timeline(kind, configuration, {Instant::now().secondsSinceReferenceDate});
        },
        [] { return Instant::now().secondsSinceReferenceDate; }, TimelineEntry {}, this);
    connect(m_driver.get(), &TimelineDriver::entryChanged, this, &LiveWidget::refreshFace);
    m_driver->reload();
}

void LiveWidget::refreshFace()
{
    m_face = m_plugin.content(m_placed.kind, m_driver->current(), m_placed.family);
    emit faceChanged();
}

void LiveWidget::paint(QPainter& painter, const QRectF& area, bool rounded) const
{
    painter.save();
    if (rounded) {
        QPainterPath shape;
        shape.addRoundedRect(area, kCornerRadius, kCornerRadius);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(shape);
    }
    painter.fillRect(area, m_face.containerBackground);
    if (m_face.paint)
        m_face.paint(painter, area);
    painter.restore();
}

void LiveWidget::openLink(const QString& activationToken) const
{
    if (m_face.link.empty())
        return;
    const QUrl link(QString::fromStdString(m_face.link));
    // The studio's links go to the studio over the bus, which starts it by its full path: the
    // desktop's link handler finds it through PATH, which a host started by the bus may lack.
    if (link.scheme() != "quillon") {
        QDesktopServices::openUrl(link);
        return;
    }
    openInStudio(
        link.toString(),
        [link](const QString& reason) {
            std::cerr << "quillon-widgets: the studio could not be reached on the bus ("
                      << reason.toStdString() << "); opening " << link.toString().toStdString()
                      << " with the desktop's link handler\n";
            QDesktopServices::openUrl(link);
        },
        activationToken);
}

void LiveWidget::showAt(const std::string& screen, double x, double y)
{
    m_placed.screen = screen;
    m_placed.x = x;
    m_placed.y = y;
}

void LiveWidget::moveTo(const std::string& screen, double x, double y)
{
    showAt(screen, x, y);
    emit changed();
}

void LiveWidget::finishGesture(PointerGesture::Ending ending, const std::string& screen, QPoint corner)
{
    if (ending == PointerGesture::Ending::drag)
        moveTo(screen, corner.x(), corner.y());
    else if (ending == PointerGesture::Ending::click)
        openLink();
}

void LiveWidget::setFamily(WidgetFamily family)
{
    m_placed.family = family;
    emit sizeChanged();
    refreshFace();
    m_driver->reload();
    emit changed();
}

void LiveWidget::setConfiguration(const std::string& configuration)
{
    if (configuration == m_placed.configuration)
        return;
    m_placed.configuration = configuration;
    makeDriver(); // the new settings need a new timeline; the face stays until it arrives
    emit changed();
}

std::vector<WidgetMenuItem> LiveWidget::menu()
{
    const auto item = [](QString title, std::function<void()> action) {
        WidgetMenuItem made;
        made.title = std::move(title);
        made.action = std::move(action);
        return made;
    };
    std::vector<WidgetMenuItem> items;
    if (!m_description.configuration.parameters.empty())
        items.push_back(item(tr("Edit Widget\u2026"), [this] { emit editRequested(); }));
    //: The submenu, or the heading, of a widget's sizes
    WidgetMenuItem sizes = item(tr("Size"), {});
    for (WidgetFamily family : m_description.families) {
        WidgetMenuItem size = item(familyDisplayTitle(family), [this, family] { setFamily(family); });
        size.checkable = true;
        size.checked = family == m_placed.family;
        sizes.submenu.push_back(std::move(size));
    }
    items.push_back(std::move(sizes));
    items.push_back(item(tr("Remove Widget"), [this] { emit removeRequested(); }));
    items.push_back(WidgetMenuItem {});
    //: Opens the gallery, where widgets are added
    items.push_back(item(tr("Edit Widgets\u2026"), [this] { emit galleryRequested(); }));
    return items;
}

} // namespace quillon::widgethost
