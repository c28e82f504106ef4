// A menu as a popup of a layer surface, opened at the pointer: a surface Qt's own menus cannot
// have, since Qt's windows are on another connection. Drawn in the style of Qt's menus and chosen
// from with the pointer; a click elsewhere closes it.
#pragma once

#include "widgethost/layershell/layer_surface.h"
#include "widgethost/layershell/shm_buffer.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

struct xdg_popup;
struct xdg_positioner;
struct xdg_surface;

namespace quillon::widgethost {

struct LayerMenuEntry {
    enum class Kind { action, check, heading, separator };
    Kind kind = Kind::action;
    QString title;
    bool checked = false;
    std::function<void()> action;
};

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
    int entryAt(QPointF at) const;
    void pointerEntered(QPointF at) override { pointerMoved(at); }
    void pointerMoved(QPointF at) override;
    void pointerButton(std::uint32_t button, bool pressed, std::uint32_t serial) override;
    void pointerLeft() override;
    void finish();
    friend struct LayerMenuListeners;

    WaylandDisplay& m_display;
    LayerSurface* m_parent;
    std::vector<LayerMenuEntry> m_entries;
    std::vector<QRect> m_rects; // each entry's, in the menu's points
    QSize m_size;
    int m_scale;
    int m_hovered = -1;
    wl_surface* m_surface = nullptr;
    xdg_surface* m_xdgSurface = nullptr;
    xdg_popup* m_popup = nullptr;
    ShmBufferPair m_buffers;
    bool m_configured = false;
    bool m_waitingForBuffer = false;
    bool m_finished = false;
};

} // namespace quillon::widgethost
