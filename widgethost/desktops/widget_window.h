// One widget shown as a window: frameless, below the others, painting the widget's face, following
// the pointer when dragged and opening the widget's link when clicked. For X11 desktops, and Wayland
// desktops run through XWayland.
#pragma once

#include "widgethost/host/live_widget.h"

#include <QWidget>

namespace quillon::widgethost {

class WidgetWindow final : public QWidget {
    Q_OBJECT

public:
    // Shows `widget` at its place in desktop coordinates; the widget outlives the window.
    explicit WidgetWindow(LiveWidget& widget);

    LiveWidget& widget() const { return m_widget; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    LiveWidget& m_widget;
    bool m_rounded = false;
    PointerGesture m_gesture;
};

} // namespace quillon::widgethost
