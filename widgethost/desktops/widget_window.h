// One widget shown as a window: frameless, below the others, painting the widget's face, following
// the pointer when dragged and opening the widget's link when clicked. For X11 desktops, and Wayland
// desktops run through XWayland.
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

private:
    LiveWidget& m_widget;
    const XWaylandDistances* m_distances;
    bool m_rounded = false;
    PointerGesture m_gesture;
    QPointF m_pressedAt;
};

} // namespace quillon::widgethost
