// A menu as a popup of a layer surface, opened at the pointer: a surface Qt's own menus cannot
// have, since Qt's windows are on another connection. Drawn in the style of Qt's menus and chosen
// from with the pointer, a finger or the keys. A click elsewhere closes it, and so do Escape and the
// pointer or the keyboard's focus going to another program's surface: the menu is drawn over every
// window, and must not stay over one that comes after it.
#pragma once

#include "widgethost/layer_shell/layer_menu_entry.h"
#include "widgethost/layer_shell/layer_surface.h"
#include "widgethost/layer_shell/menu_choice.h"
#include "widgethost/layer_shell/menu_layout.h"
#include "widgethost/layer_shell/shm_buffer.h"

#include <QObject>

#include <functional>
#include <vector>

struct xdg_popup;
struct xdg_positioner;
struct xdg_surface;

namespace quillon::widgethost {

class LayerMenu final : public QObject, private PointerTarget, private TouchTarget, private KeyTarget {
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
    void touchDown(QPointF at, std::uint32_t serial) override;
    void touchMotion(QPointF at) override;
    void touchUp(std::uint32_t serial) override;
    void touchCancel() override;
    void keyPressed(std::uint32_t key, std::uint32_t serial) override;
    void keyboardLeft() override;
    void choose(std::size_t entry);
    // Once the events at hand are over, which may bring the focus back to one of ours.
    void closeUnless(std::function<bool()> focusReturned);
    void finish();
    void letKeyboardGo();
    friend struct LayerMenuListeners;

    WaylandDisplay& m_display;
    LayerSurface* m_parent;
    wl_surface* m_parentSurface;
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
