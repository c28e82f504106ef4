// Painting a face, dragging, clicking and the widget's menu.
#include "widgethost/host/widget_window.h"

#include "platform/calendar/instant.h"
#include "widgethost/host/desktop_window_hints.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

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

WidgetWindow::WidgetWindow(WidgetPlugin& plugin, WidgetDescription description, PlacedWidget placed)
    : QWidget(nullptr,
        Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus)
    , m_plugin(plugin)
    , m_description(std::move(description))
    , m_placed(std::move(placed))
    , m_serial(nextSerial())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_rounded = compositorRunning();
    if (m_rounded)
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QString::fromStdString(m_description.displayName));
    setFixedSize(familyPointSize(m_placed.family).toSize());
    move(static_cast<int>(m_placed.x), static_cast<int>(m_placed.y));
    applyDesktopWidgetHints(*this);
    const std::string kind = m_placed.kind;
    m_face = m_plugin.content(
        kind, m_plugin.placeholder(kind, {Instant::now().secondsSinceReferenceDate}), m_placed.family);
    makeDriver();
}

void WidgetWindow::makeDriver()
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
    connect(m_driver.get(), &TimelineDriver::entryChanged, this, &WidgetWindow::refreshFace);
    m_driver->reload();
}

void WidgetWindow::refreshFace()
{
    m_face = m_plugin.content(m_placed.kind, m_driver->current(), m_placed.family);
    update();
}

void WidgetWindow::setFamily(WidgetFamily family)
{
    m_placed.family = family;
    setFixedSize(familyPointSize(family).toSize());
    refreshFace();
    m_driver->reload();
    emit changed();
}

void WidgetWindow::editConfiguration()
{
    if (m_editor) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    m_editor = std::make_unique<WidgetEditor>(m_plugin, m_description.configuration, m_placed.configuration);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(m_editor.get(), &WidgetEditor::edited, this, [this] {
        const std::string edited = m_editor->configuration();
        if (edited == m_placed.configuration)
            return;
        m_placed.configuration = edited;
        makeDriver(); // the new settings need a new timeline; the face stays until it arrives
        emit changed();
    });
    connect(m_editor.get(), &QDialog::finished, this, [this] { m_editor.release()->deleteLater(); });
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void WidgetWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = rect();
    if (m_rounded) {
        QPainterPath shape;
        shape.addRoundedRect(area, kCornerRadius, kCornerRadius);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(shape);
    }
    painter.fillRect(area, m_face.containerBackground);
    if (m_face.paint)
        m_face.paint(painter, area);
}

void WidgetWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressGlobal = event->globalPosition().toPoint();
    m_pressOffset = m_pressGlobal - pos();
    m_dragging = false;
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (!m_dragging && (global - m_pressGlobal).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
    if (m_dragging)
        move(global - m_pressOffset);
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragging) {
        m_placed.x = x();
        m_placed.y = y();
        m_dragging = false;
        emit changed();
        return;
    }
    // A press and release without a drag is a click: follow the face's link.
    if (!m_face.link.empty())
        QDesktopServices::openUrl(QUrl(QString::fromStdString(m_face.link)));
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (!m_description.configuration.parameters.empty())
        menu.addAction("Edit Widget\u2026", this, &WidgetWindow::editConfiguration);
    QMenu* sizes = menu.addMenu("Size");
    for (WidgetFamily family : m_description.families) {
        QAction* choice = sizes->addAction(familyTitle(family), this, [this, family] { setFamily(family); });
        choice->setCheckable(true);
        choice->setChecked(family == m_placed.family);
    }
    menu.addAction("Remove Widget", this, &WidgetWindow::removeRequested);
    menu.addSeparator();
    menu.addAction("Edit Widgets\u2026", this, &WidgetWindow::galleryRequested);
    menu.exec(event->globalPos());
}

} // namespace quillon::widgethost
