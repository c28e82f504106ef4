// Painting a face, dragging, clicking and the widget's menu, in a window.
#include "widgethost/desktops/widget_window.h"

#include "widgethost/desktops/desktop_window_hints.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace quillon::widgethost {
namespace {

void fillMenu(QMenu& menu, const std::vector<WidgetMenuItem>& items)
{
    for (const WidgetMenuItem& item : items) {
        if (item.title.isEmpty()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            fillMenu(*menu.addMenu(item.title), item.submenu);
        } else {
            QAction* action = menu.addAction(item.title, &menu, item.action);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
        }
    }
}

} // namespace

// A plain window rather than a tool window, which Qt makes transient for the host's other windows:
// window managers stack and hide a transient window with those it belongs to.
WidgetWindow::WidgetWindow(LiveWidget& widget)
    : QWidget(nullptr,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus)
    , m_widget(widget)
    , m_gesture(QApplication::startDragDistance())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_rounded = compositorRunning();
    if (m_rounded)
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QString::fromStdString(m_widget.description().displayName));
    setFixedSize(m_widget.size());
    move(static_cast<int>(m_widget.placed().x), static_cast<int>(m_widget.placed().y));
    applyDesktopWidgetHints(*this);
    connect(&m_widget, &LiveWidget::faceChanged, this, qOverload<>(&QWidget::update));
    connect(&m_widget, &LiveWidget::sizeChanged, this, [this] { setFixedSize(m_widget.size()); });
}

void WidgetWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_widget.paint(painter, rect(), m_rounded);
}

void WidgetWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_gesture.press(event->globalPosition().toPoint(), pos());
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // The window moves itself, by configure requests, which window managers follow for a desktop
    // window; most will not move one themselves (_NET_WM_MOVERESIZE).
    if (const auto corner = m_gesture.move(event->globalPosition().toPoint()))
        move(*corner);
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_widget.finishGesture(m_gesture.release(), {}, pos());
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    fillMenu(menu, m_widget.menu());
    menu.exec(event->globalPos());
}

} // namespace quillon::widgethost
