// One widget shown as a layer surface of a Wayland compositor: painting the widget's face, moving
// when dragged with the pointer or a finger, opening the widget's link when clicked or tapped and its
// menu at the pointer, or where a finger is held. Once a click has given it the keyboard, the Menu
// key opens its menu and Return or Space its link.
#pragma once

#include "widgethost/desktops/touch_gesture.h"
#include "widgethost/host/live_widget.h"
#include "widgethost/layer_shell/activation_token.h"
#include "widgethost/layer_shell/layer_menu.h"
#include "widgethost/layer_shell/layer_surface.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

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
    void released(std::uint32_t button, QPoint at, std::uint32_t serial);
    void touchPressed(QPoint at, std::uint32_t serial);
    void touchMoved(QPoint at);
    void touchReleased(QPoint at, std::uint32_t serial);
    void touchCancelled();
    void keyPressed(std::uint32_t key, std::uint32_t serial);
    void moveTo(QPoint corner);
    // A gesture has ended; `serial` is the compositor's for the click that ended it.
    void finish(PointerGesture::Ending ending, std::uint32_t serial);
    void openMenu(QPoint at, std::uint32_t serial);

    WaylandDisplay& m_display;
    LiveWidget& m_widget;
    std::string m_outputName;
    QSize m_outputSize;
    std::unique_ptr<LayerSurface> m_surface;
    std::unique_ptr<LayerMenu> m_menu; // while open
    std::unique_ptr<ActivationToken> m_token; // asked for by a click, for the link it opens
    // What screen readers know of the widget: a layer surface is no window of Qt's, so a window
    // that never comes on the screen stands for it, where the surface is.
    std::unique_ptr<QWidget> m_standIn;
    PointerGesture m_gesture;
    TouchGesture m_touchGesture;
    QTimer m_hold; // the finger held still for the menu
    QPoint m_finger; // on the output
    std::uint32_t m_fingerSerial = 0; // of its coming down, for the menu's grab
    bool m_closed = false;
};

} // namespace quillon::widgethost
