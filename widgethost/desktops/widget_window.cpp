// Painting a face, dragging, clicking and the widget's menu, in a window.
#include "widgethost/desktops/widget_window.h"

#include "widgethost/desktops/desktop_window_hints.h"
#include "widgethost/desktops/widget_accessibility.h"
#include "widgethost/desktops/xwayland_distances.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>

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
WidgetWindow::WidgetWindow(LiveWidget& widget, const XWaylandDistances* distances)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    , m_widget(widget)
    , m_distances(distances)
    , m_gesture(QApplication::startDragDistance())
{
    presentAsWidget(*this, m_widget);
    // Shown, it leaves the keyboard where it is; clicked, it takes it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::ClickFocus);
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
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedAt = event->globalPosition();
    m_gesture.press(m_pressedAt.toPoint(), pos());
    // Qt may hand over the press after the distances that followed it have come.
    followDistances();
}

void WidgetWindow::followDistances()
{
    const std::optional<QPointF> by = m_distances ? m_distances->sinceLeftPress() : std::nullopt;
    if (!by || !m_gesture.pressed())
        return;
    // The distances go on where the pointer stops at the desktop's edge.
    const QRect desktop = screen()->virtualGeometry();
    const QPointF pointer = m_pressedAt + *by;
    const QPoint at(std::clamp(qRound(pointer.x()), desktop.left(), desktop.right()),
        std::clamp(qRound(pointer.y()), desktop.top(), desktop.bottom()));
    if (const auto corner = m_gesture.move(at))
        move(*corner);
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // The distances have moved the window already, as they came.
    if (m_distances && m_distances->sinceLeftPress())
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
    followDistances();
    m_widget.finishGesture(m_gesture.release(), {}, pos());
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse)
        openMenu(event->globalPos(), false);
    else
        openMenu(mapToGlobal(rect().center()), true);
}

void WidgetWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier))
        openMenu(mapToGlobal(rect().center()), true);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        m_widget.openLink();
    else
        QWidget::keyPressEvent(event);
}

void WidgetWindow::openMenu(QPoint at, bool fromKeyboard)
{
    QMenu menu(this);
    fillMenu(menu, m_widget.menu());
    // From the keyboard, the first item is highlighted as the menu opens, for screen readers.
    if (fromKeyboard)
        QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().value(0)); });
    menu.exec(at);
}

} // namespace quillon::widgethost
