// One surface in the bottom layer of an output: under the windows, over the wallpaper, anchored to
// the output's top-left corner with margins for its place, taking the keyboard when clicked and
// reserving no space. It paints through a callback into shared buffers and tells of the pointer and
// of the first finger on it in the output's points, and of the keys pressed while it has the keyboard.
#pragma once

#include "widgethost/layer_shell/corner_changes.h"
#include "widgethost/layer_shell/shm_buffer.h"
#include "widgethost/layer_shell/surface_pointer.h"
#include "widgethost/layer_shell/wayland_display.h"

#include <QObject>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <functional>

struct wl_callback;
struct zwlr_layer_surface_v1;

namespace quillon::widgethost {

class LayerSurface final : public QObject, private PointerTarget, private TouchTarget, private KeyTarget {
    Q_OBJECT

public:
    // Paints the surface's picture, in points, over a transparent one.
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    static constexpr const char* kNamespace = "quillon-widgets";

    LayerSurface(
        WaylandDisplay& display, const WaylandOutput& output, QSize size, QPoint corner, Painter painter);
    ~LayerSurface() override;

    wl_surface* surface() const { return m_surface; }
    zwlr_layer_surface_v1* layer() const { return m_layer; }
    wl_output* output() const { return m_output; }
    QPoint corner() const { return m_corner; }
    QSize size() const { return m_size; }
    int scale() const { return m_scale; }
    bool configured() const { return m_configured; }

    void setCorner(QPoint corner);
    void setSize(QSize size);
    void setScale(int scale);
    // Paints again, now or as soon as the compositor allows.
    void redraw();

signals:
    // In the output's points; `serial` is the compositor's, for a popup's grab.
    void pressed(std::uint32_t button, QPoint at, std::uint32_t serial);
    void moved(QPoint at);
    void released(std::uint32_t button, QPoint at, std::uint32_t serial);
    // The first finger on the surface, as the pointer's button and moves.
    void touchPressed(QPoint at, std::uint32_t serial);
    void touchMoved(QPoint at);
    void touchReleased(QPoint at, std::uint32_t serial);
    // The compositor took the touch for a gesture of its own.
    void touchCancelled();
    // A key pressed while the surface has the keyboard: a Linux input event code.
    void keyPress(std::uint32_t key, std::uint32_t serial);
    // Shown for the first time after being configured.
    void shown();
    // The compositor has dropped the surface (its output has gone): it shows nothing any more.
    void closed();

private:
    void pointerEntered(QPointF at) override { m_pointer.entered(at); }
    void pointerMoved(QPointF at) override;
    void pointerMovedBy(QPointF by) override;
    void pointerButton(std::uint32_t button, bool pressed, std::uint32_t serial) override;
    void touchDown(QPointF at, std::uint32_t serial) override;
    void touchMotion(QPointF at) override;
    void touchUp(std::uint32_t serial) override;
    void touchCancel() override;
    void keyPressed(std::uint32_t key, std::uint32_t serial) override { emit keyPress(key, serial); }
    void configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height);
    friend struct LayerSurfaceListeners;

    WaylandDisplay& m_display;
    wl_output* m_output;
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    Painter m_painter;
    ShmBufferPair m_buffers;
    QSize m_size;
    QPoint m_corner;
    CornerChanges<wl_callback*> m_cornerOfEvents; // each change awaits its round trip
    SurfacePointer m_pointer;
    SurfacePointer m_finger; // told no distances: a touchscreen says where, not how far
    int m_scale = 1;
    bool m_configured = false;
    bool m_waitingForBuffer = false;
    bool m_closed = false;
};

} // namespace quillon::widgethost
