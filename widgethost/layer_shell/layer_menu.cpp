// Laying out and painting menu entries with the application's style, and the popup's role.
#include "widgethost/layer_shell/layer_menu.h"

#include "layer_shell-client.h"
#include "xdg-shell-client.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>

namespace quillon::widgethost {
namespace {

// A compositor sends the leave of one surface and the enter of the next together, but they may be
// read apart: the focus counts as gone only once it has not come back within this long.
constexpr std::chrono::milliseconds kFocusSettles {100};

QStyleOptionMenuItem optionFor(const LayerMenuEntry& entry)
{
    QStyleOptionMenuItem option;
    option.palette = QApplication::palette("QMenu");
    option.font = QApplication::font("QMenu");
    option.fontMetrics = QFontMetrics(option.font);
    option.state = QStyle::State_Enabled;
    option.text = entry.title;
    option.maxIconWidth = 0;
    option.reservedShortcutWidth = 0;
    option.menuHasCheckableItems = true;
    switch (entry.kind) {
    case LayerMenuEntry::Kind::separator:
        option.menuItemType = QStyleOptionMenuItem::Separator;
        break;
    case LayerMenuEntry::Kind::heading:
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.state = QStyle::State_None; // shown as a disabled line, as Qt shows a section
        option.palette.setCurrentColorGroup(QPalette::Disabled);
        break;
    case LayerMenuEntry::Kind::check:
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.checkType = QStyleOptionMenuItem::NonExclusive;
        option.checked = entry.checked;
        break;
    case LayerMenuEntry::Kind::action:
        option.menuItemType = QStyleOptionMenuItem::Normal;
        break;
    }
    return option;
}

} // namespace

struct LayerMenuListeners {
    static LayerMenu& of(void* data) { return *static_cast<LayerMenu*>(data); }

    static void surfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial)
    {
        xdg_surface_ack_configure(surface, serial);
        of(data).m_configured = true;
        of(data).redraw();
    }
    static constexpr xdg_surface_listener surface {surfaceConfigure};

    static void popupConfigure(void*, xdg_popup*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) { }
    static void popupDone(void* data, xdg_popup*) { of(data).finish(); }
    static void repositioned(void*, xdg_popup*, std::uint32_t) { }
    static constexpr xdg_popup_listener popup {popupConfigure, popupDone, repositioned};
};

LayerMenu::LayerMenu(WaylandDisplay& display, LayerSurface& parent, QPoint at,
    std::vector<LayerMenuEntry> entries, std::uint32_t serial)
    : m_display(display)
    , m_parent(&parent)
    , m_parentSurface(parent.surface())
    , m_entries(std::move(entries))
    , m_scale(parent.scale())
    , m_buffers([this] {
        if (m_waitingForBuffer)
            redraw();
    })
{
    layOut();
    m_surface = wl_compositor_create_surface(display.compositor());
    m_xdgSurface = xdg_wm_base_get_xdg_surface(display.windowManagerBase(), m_surface);
    xdg_surface_add_listener(m_xdgSurface, &LayerMenuListeners::surface, this);
    xdg_positioner* positioner = xdg_wm_base_create_positioner(display.windowManagerBase());
    xdg_positioner_set_size(positioner, m_layout.size().width(), m_layout.size().height());
    xdg_positioner_set_anchor_rect(positioner, at.x(), at.y(), 1, 1);
    xdg_positioner_set_anchor(positioner, XDG_POSITIONER_ANCHOR_BOTTOM_RIGHT);
    xdg_positioner_set_gravity(positioner, XDG_POSITIONER_GRAVITY_BOTTOM_RIGHT);
    // Near an edge of the output it opens the other way, or slides along, as menus do.
    xdg_positioner_set_constraint_adjustment(positioner,
        XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_X | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_FLIP_Y
            | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_X | XDG_POSITIONER_CONSTRAINT_ADJUSTMENT_SLIDE_Y);
    m_popup = xdg_surface_get_popup(m_xdgSurface, nullptr, positioner);
    xdg_positioner_destroy(positioner);
    xdg_popup_add_listener(m_popup, &LayerMenuListeners::popup, this);
    zwlr_layer_surface_v1_get_popup(parent.layer(), m_popup);
    if (display.seat())
        xdg_popup_grab(m_popup, display.seat(), serial);
    display.addPointerTarget(m_surface, this);
    display.addTouchTarget(m_surface, this);
    // The keys reach the menu whichever of it and its layer surface the compositor gives the focus to.
    display.takeKeys(this);
    wl_surface_commit(m_surface);
}

LayerMenu::~LayerMenu()
{
    // Unfinished, the menu goes before its parent does; finished, it may go after.
    if (!m_choice.finished())
        letKeyboardGo();
    m_display.removePointerTarget(m_surface);
    m_display.removeTouchTarget(m_surface);
    xdg_popup_destroy(m_popup);
    xdg_surface_destroy(m_xdgSurface);
    wl_surface_destroy(m_surface);
}

void LayerMenu::layOut()
{
    QStyle* style = QApplication::style();
    const int frame
        = style->pixelMetric(QStyle::PM_MenuPanelWidth) + style->pixelMetric(QStyle::PM_MenuHMargin);
    const int verticalFrame
        = style->pixelMetric(QStyle::PM_MenuPanelWidth) + style->pixelMetric(QStyle::PM_MenuVMargin);
    std::vector<QSize> sizes;
    for (const LayerMenuEntry& entry : m_entries) {
        const QStyleOptionMenuItem option = optionFor(entry);
        const QSize text(option.fontMetrics.horizontalAdvance(entry.title), option.fontMetrics.height());
        sizes.push_back(style->sizeFromContents(QStyle::CT_MenuItem, &option, text, nullptr));
    }
    m_layout = MenuLayout(m_entries, sizes, frame, verticalFrame);
}

void LayerMenu::paint(QPainter& painter) const
{
    QStyle* style = QApplication::style();
    QStyleOptionFrame panel;
    panel.rect = QRect(QPoint(0, 0), m_layout.size());
    panel.palette = QApplication::palette("QMenu");
    panel.state = QStyle::State_None;
    panel.lineWidth = style->pixelMetric(QStyle::PM_MenuPanelWidth);
    painter.fillRect(panel.rect, panel.palette.window());
    style->drawPrimitive(QStyle::PE_PanelMenu, &panel, &painter);
    for (std::size_t index = 0; index < m_entries.size(); ++index) {
        QStyleOptionMenuItem option = optionFor(m_entries[index]);
        option.rect = m_layout.rects()[index];
        option.menuRect = panel.rect;
        if (static_cast<int>(index) == m_choice.highlighted())
            option.state |= QStyle::State_Selected;
        style->drawControl(QStyle::CE_MenuItem, &option, &painter);
    }
}

void LayerMenu::redraw()
{
    if (!m_configured || m_choice.finished())
        return;
    m_waitingForBuffer = !m_buffers.present(
        m_display.shm(), m_surface, m_layout.size(), m_scale, [this](QPainter& painter) { paint(painter); });
}

void LayerMenu::pointerMoved(QPointF at)
{
    if (m_choice.hover(m_layout.entryAt(at)))
        redraw();
}

void LayerMenu::pointerLeft()
{
    if (m_choice.hover(-1))
        redraw();
    // Over the widget under the menu, or over another of ours, the menu stays.
    closeUnless([this] { return m_display.pointerSurface() != nullptr; });
}

void LayerMenu::pointerButton(std::uint32_t, bool pressed, std::uint32_t)
{
    if (const auto chosen = m_choice.chosenBy(pressed))
        choose(*chosen);
}

// A finger chooses as the pointer does: the entry under it when it lifts.
void LayerMenu::touchDown(QPointF at, std::uint32_t)
{
    pointerMoved(at);
}

void LayerMenu::touchMotion(QPointF at)
{
    pointerMoved(at);
}

void LayerMenu::touchUp(std::uint32_t)
{
    if (const auto chosen = m_choice.chosenBy(false))
        choose(*chosen);
}

void LayerMenu::touchCancel()
{
    if (m_choice.hover(-1))
        redraw();
}

void LayerMenu::keyPressed(std::uint32_t key, std::uint32_t)
{
    const MenuChoice::KeyOutcome outcome = m_choice.pressKey(key, m_layout.choosable());
    if (outcome.chosen)
        choose(*outcome.chosen);
    else if (outcome.closes)
        finish();
    else if (outcome.highlightMoved)
        redraw();
}

void LayerMenu::keyboardLeft()
{
    // The compositor may move the focus between the menu and its widget.
    closeUnless([this] {
        wl_surface* focus = m_display.keyboardSurface();
        return focus == m_surface || focus == m_parentSurface;
    });
}

void LayerMenu::choose(std::size_t entry)
{
    std::function<void()> action = m_entries[entry].action;
    finish();
    // After the popup is gone and this event is over, unless the surface it was for has gone too: the
    // action may remove the widget itself.
    if (action)
        QTimer::singleShot(0, m_parent, action);
}

void LayerMenu::closeUnless(std::function<bool()> focusReturned)
{
    QTimer::singleShot(kFocusSettles, this, [this, focusReturned = std::move(focusReturned)] {
        if (!focusReturned())
            finish();
    });
}

void LayerMenu::finish()
{
    if (!m_choice.finish())
        return;
    letKeyboardGo();
    emit finished();
}

void LayerMenu::letKeyboardGo()
{
    m_display.letKeysGo(this);
}

} // namespace quillon::widgethost
