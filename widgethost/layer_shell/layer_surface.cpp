// The layer role, configure and commit, painting into the free buffer, and the pointer and the finger
// on the surface.
#include "widgethost/layer_shell/layer_surface.h"

#include "layer_shell-client.h"

#include <wayland-client.h>

namespace quillon::widgethost {

struct LayerSurfaceListeners {
    static LayerSurface& of(void* data) { return *static_cast<LayerSurface*>(data); }

    static void configure(
        void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width, std::uint32_t height)
    {
        of(data).configure(serial, width, height);
    }
    static void closed(void* data, zwlr_layer_surface_v1*)
    {
        LayerSurface& surface = of(data);
        if (!surface.m_closed) {
            surface.m_closed = true;
            emit surface.closed();
        }
    }
    static constexpr zwlr_layer_surface_v1_listener layer {configure, closed};

    static void cornerTakesEffect(void* data, wl_callback* callback, std::uint32_t)
    {
        for (wl_callback* done : of(data).m_cornerOfEvents.settled(callback))
            wl_callback_destroy(done);
    }
    static constexpr wl_callback_listener corner {cornerTakesEffect};
};

LayerSurface::LayerSurface(
    WaylandDisplay& display, const WaylandOutput& output, QSize size, QPoint corner, Painter painter)
    : m_display(display)
    , m_output(output.proxy)
    , m_painter(std::move(painter))
    , m_buffers([this] {
        if (m_waitingForBuffer)
            redraw();
    })
    , m_size(size)
    , m_corner(corner)
    , m_cornerOfEvents(corner)
    , m_scale(output.scale)
{
    m_surface = wl_compositor_create_surface(display.compositor());
    m_layer = zwlr_layer_shell_v1_get_layer_surface(
        display.layerShell(), m_surface, m_output, ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM, kNamespace);
    zwlr_layer_surface_v1_add_listener(m_layer, &LayerSurfaceListeners::layer, this);
    zwlr_layer_surface_v1_set_size(
        m_layer, static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height()));
    zwlr_layer_surface_v1_set_anchor(
        m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
    // Negative: the margins count from the output's own corner, whatever panels reserve.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    zwlr_layer_surface_v1_set_margin(m_layer, corner.y(), 0, 0, corner.x());
    // A click gives the widget the keyboard, as a click on the desktop does: compositors hand an
    // activation token (the studio's, to come forward with) only to the surface that has it, and the
    // widget's menu takes its keys from it. Exclusive rather than on demand, which only the layer
    // shell's fourth version has (KWin 5.27 offers the third); in the bottom layer it brings the
    // surface no focus by itself.
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        m_layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    display.addPointerTarget(m_surface, this);
    display.addTouchTarget(m_surface, this);
    display.addKeyTarget(m_surface, this);
    // Committed without a buffer: the compositor answers with the first configure.
    wl_surface_commit(m_surface);
}

LayerSurface::~LayerSurface()
{
    m_display.removePointerTarget(m_surface);
    m_display.removeTouchTarget(m_surface);
    m_display.removeKeyTarget(m_surface);
    for (wl_callback* callback : m_cornerOfEvents.pending())
        wl_callback_destroy(callback);
    zwlr_layer_surface_v1_destroy(m_layer);
    wl_surface_destroy(m_surface);
}

void LayerSurface::configure(std::uint32_t serial, std::uint32_t width, std::uint32_t height)
{
    zwlr_layer_surface_v1_ack_configure(m_layer, serial);
    if (width > 0 && height > 0 && width <= 8192 && height <= 8192)
        m_size = QSize(static_cast<int>(width), static_cast<int>(height));
    const bool first = !m_configured;
    m_configured = true;
    redraw();
    if (first)
        emit shown();
}

void LayerSurface::setCorner(QPoint corner)
{
    if (corner == m_corner)
        return;
    m_corner = corner;
    if (m_closed)
        return;
    zwlr_layer_surface_v1_set_margin(m_layer, corner.y(), 0, 0, corner.x());
    wl_surface_commit(m_surface);
    wl_callback* callback = wl_display_sync(m_display.display());
    wl_callback_add_listener(callback, &LayerSurfaceListeners::corner, this);
    m_cornerOfEvents.committed(callback, corner);
}

void LayerSurface::setSize(QSize size)
{
    if (size == m_size || size.isEmpty() || m_closed)
        return;
    m_size = size;
    zwlr_layer_surface_v1_set_size(
        m_layer, static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height()));
    wl_surface_commit(m_surface); // the compositor's configure brings the new size to paint
}

void LayerSurface::setScale(int scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    redraw();
}

void LayerSurface::redraw()
{
    if (!m_configured || m_closed)
        return;
    m_waitingForBuffer = !m_buffers.present(m_display.shm(), m_surface, m_size, m_scale,
        [this](QPainter& painter) { m_painter(painter, QRectF(QPointF(0, 0), QSizeF(m_size))); });
}

void LayerSurface::pointerMoved(QPointF at)
{
    if (const auto onOutput = m_pointer.moved(at, m_cornerOfEvents.current()))
        emit moved(*onOutput);
}

void LayerSurface::pointerMovedBy(QPointF by)
{
    emit moved(m_pointer.movedBy(by));
}

void LayerSurface::pointerButton(std::uint32_t button, bool isPressed, std::uint32_t serial)
{
    const QPoint corner = m_cornerOfEvents.current();
    if (isPressed)
        emit pressed(button, m_pointer.pressed(corner), serial);
    else
        emit released(button, m_pointer.released(corner), serial);
}

void LayerSurface::touchDown(QPointF at, std::uint32_t serial)
{
    m_finger.entered(at);
    emit touchPressed(m_finger.pressed(m_cornerOfEvents.current()), serial);
}

void LayerSurface::touchMotion(QPointF at)
{
    if (const auto onOutput = m_finger.moved(at, m_cornerOfEvents.current()))
        emit touchMoved(*onOutput);
}

void LayerSurface::touchUp(std::uint32_t serial)
{
    emit touchReleased(m_finger.released(m_cornerOfEvents.current()), serial);
}

void LayerSurface::touchCancel()
{
    emit touchCancelled();
}

} // namespace quillon::widgethost
