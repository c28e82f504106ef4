// One widget shown as a window: frameless, below the others, painting the widget's face, following
// the pointer when dragged and opening the widget's link when clicked. A click gives it the keyboard,
// as a click on the desktop gives the desktop: the Menu key (or Shift+F10) then opens its menu, and
// Return or Space its link. Screen readers know it as a window named by the widget and what it shows.
// For X11 desktops, and Wayland desktops run through XWayland.
#pragma once

#include "widgethost/host/live_widget.h"

#include <QPointF>
#include <QWidget>

namespace quillon::widgethost {

class XWaylandDistances;

class WidgetWindow final : public QWidget {
    Q_OBJECT

public:
    // Shows `widget` at its place in desktop coordinates; the widget outlives the window, and so
    // do `distances` when given: a drag then follows them where they come.
    explicit WidgetWindow(LiveWidget& widget, const XWaylandDistances* distances = nullptr);

    LiveWidget& widget() const { return m_widget; }

    // Moves the window by the distance the pointer has gone since the press, while dragged.
    void followDistances();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openMenu(QPoint at, bool fromKeyboard);

    LiveWidget& m_widget;
    const XWaylandDistances* m_distances;
    bool m_rounded = false;
    PointerGesture m_gesture;
    QPointF m_pressedAt;
};

} // namespace quillon::widgethost
