// One widget shown as a layer surface of a Wayland compositor: painting the widget's face, moving
// when dragged, opening the widget's link when clicked and its menu at the pointer.
#pragma once

#include "widgethost/host/live_widget.h"
#include "widgethost/layer_shell/layer_menu.h"
#include "widgethost/layer_shell/layer_surface.h"

#include <QObject>

#include <memory>
#include <string>

namespace quillon::widgethost {

class LayerWidget final : public QObject {
    Q_OBJECT

public:
    // Shows `widget` on `output` with its corner at `corner` in the output's points.
    LayerWidget(WaylandDisplay& display, LiveWidget& widget, const WaylandOutput& output, QPoint corner);
    ~LayerWidget() override;

    LiveWidget& widget() const { return m_widget; }
    const std::string& outputName() const { return m_outputName; }
    QRect rect() const { return {m_surface->corner(), m_surface->size()}; }
    const LayerSurface& surface() const { return *m_surface; }
    const LayerMenu* menu() const { return m_menu.get(); }
    // Its output's new scale or size.
    void followOutput(const WaylandOutput& output);
    void setCorner(QPoint corner) { m_surface->setCorner(corner); }
    bool isClosed() const { return m_closed; }

signals:
    // The compositor dropped the surface: its output has gone.
    void closed();

private:
    void pressed(std::uint32_t button, QPoint at, std::uint32_t serial);
    void moved(QPoint at);
    void released(std::uint32_t button, QPoint at);
    void openMenu(QPoint at, std::uint32_t serial);

    WaylandDisplay& m_display;
    LiveWidget& m_widget;
    std::string m_outputName;
    QSize m_outputSize;
    std::unique_ptr<LayerSurface> m_surface;
    std::unique_ptr<LayerMenu> m_menu; // while open
    PointerGesture m_gesture;
    bool m_closed = false;
};

} // namespace quillon::widgethost
