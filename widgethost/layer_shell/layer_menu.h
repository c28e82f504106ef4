// A menu as a popup of a layer surface, opened at the pointer: a surface Qt's own menus cannot
// have, since Qt's windows are on another connection. Drawn in the style of Qt's menus and chosen
// from with the pointer; a click elsewhere closes it.
#pragma once

#include "widgethost/layer_shell/layer_menu_entry.h"
#include "widgethost/layer_shell/layer_surface.h"
#include "widgethost/layer_shell/menu_choice.h"
#include "widgethost/layer_shell/menu_layout.h"
#include "widgethost/layer_shell/shm_buffer.h"

#include <QObject>

#include <vector>

struct xdg_popup;
struct xdg_positioner;
struct xdg_surface;

namespace quillon::widgethost {

class LayerMenu final : public QObject, private PointerTarget {
    Q_OBJECT

public:
    // Opens at `at` in the parent's points, grabbing the pointer with the serial of the press that
    // asked for it.
    LayerMenu(WaylandDisplay& display, LayerSurface& parent, QPoint at, std::vector<LayerMenuEntry> entries,
        std::uint32_t serial);
    ~LayerMenu() override;

    const std::vector<LayerMenuEntry>& entries() const { return m_entries; }

signals:
    // Closed: by a choice (whose action has run) or by a click elsewhere. The owner deletes it.
    void finished();

private:
    void layOut();
    void paint(QPainter& painter) const;
    void redraw();
    void pointerEntered(QPointF at) override { pointerMoved(at); }
    void pointerMoved(QPointF at) override;
    void pointerButton(std::uint32_t button, bool pressed, std::uint32_t serial) override;
    void pointerLeft() override;
    void finish();
    friend struct LayerMenuListeners;

    WaylandDisplay& m_display;
    LayerSurface* m_parent;
    std::vector<LayerMenuEntry> m_entries;
    MenuLayout m_layout;
    MenuChoice m_choice;
    int m_scale;
    wl_surface* m_surface = nullptr;
    xdg_surface* m_xdgSurface = nullptr;
    xdg_popup* m_popup = nullptr;
    ShmBufferPair m_buffers;
    bool m_configured = false;
    bool m_waitingForBuffer = false;
};

} // namespace quillon::widgethost
