// A layer surface following a widget, and the pointer and the finger on it.
#include "widgethost/desktops/layer_widget.h"

#include "widgethost/desktops/layer_menu_entries.h"
#include "widgethost/desktops/layer_placement.h"
#include "widgethost/desktops/widget_accessibility.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <linux/input-event-codes.h>

namespace quillon::widgethost {

LayerWidget::LayerWidget(
    WaylandDisplay& display, LiveWidget& widget, const WaylandOutput& output, QPoint corner)
    : m_display(display)
    , m_widget(widget)
    , m_outputName(output.name)
    , m_outputSize(output.size())
    , m_gesture(QGuiApplication::styleHints()->startDragDistance())
    , m_touchGesture(QGuiApplication::styleHints()->startDragDistance())
{
    m_surface = std::make_unique<LayerSurface>(display, output, widget.size(), corner,
        [this](QPainter& painter, const QRectF& area) { m_widget.paint(painter, area, true); });
    connect(&widget, &LiveWidget::faceChanged, m_surface.get(), &LayerSurface::redraw);
    connect(&widget, &LiveWidget::sizeChanged, this, [this] { m_surface->setSize(m_widget.size()); });
    connect(m_surface.get(), &LayerSurface::pressed, this, &LayerWidget::pressed);
    connect(m_surface.get(), &LayerSurface::moved, this, &LayerWidget::moved);
    connect(m_surface.get(), &LayerSurface::released, this, &LayerWidget::released);
    connect(m_surface.get(), &LayerSurface::touchPressed, this, &LayerWidget::touchPressed);
    connect(m_surface.get(), &LayerSurface::touchMoved, this, &LayerWidget::touchMoved);
    connect(m_surface.get(), &LayerSurface::touchReleased, this, &LayerWidget::touchReleased);
    connect(m_surface.get(), &LayerSurface::touchCancelled, this, &LayerWidget::touchCancelled);
    connect(m_surface.get(), &LayerSurface::keyPress, this, &LayerWidget::keyPressed);
    m_standIn = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    m_standIn->setAttribute(Qt::WA_DontShowOnScreen);
    presentAsWidget(*m_standIn, m_widget);
    m_standIn->setGeometry(QRect(output.rect().topLeft() + corner, widget.size()));
    m_standIn->show();
    m_hold.setSingleShot(true);
    m_hold.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (m_touchGesture.hold())
            openMenu(m_finger, m_fingerSerial);
    });
    connect(m_surface.get(), &LayerSurface::closed, this, [this] {
        m_closed = true;
        m_menu.reset();
        emit closed();
    });
}

LayerWidget::~LayerWidget() = default;

void LayerWidget::followOutput(const WaylandOutput& output)
{
    m_outputSize = output.size();
    m_surface->setScale(output.scale);
}

void LayerWidget::pressed(std::uint32_t button, QPoint at, std::uint32_t serial)
{
    if (button == BTN_LEFT)
        m_gesture.press(at, m_surface->corner());
    else if (button == BTN_RIGHT)
        openMenu(at, serial);
}

void LayerWidget::moved(QPoint at)
{
    if (const auto corner = m_gesture.move(at))
        moveTo(*corner);
}

void LayerWidget::released(std::uint32_t button, QPoint, std::uint32_t serial)
{
    if (button != BTN_LEFT)
        return;
    finish(m_gesture.release(), serial);
}

void LayerWidget::touchPressed(QPoint at, std::uint32_t serial)
{
    m_finger = at;
    m_fingerSerial = serial;
    m_touchGesture.press(at, m_surface->corner());
    m_hold.start();
}

void LayerWidget::touchMoved(QPoint at)
{
    m_finger = at;
    if (const auto corner = m_touchGesture.move(at)) {
        m_hold.stop();
        moveTo(*corner);
    }
}

void LayerWidget::touchReleased(QPoint, std::uint32_t serial)
{
    m_hold.stop();
    finish(m_touchGesture.release(), serial);
}

void LayerWidget::touchCancelled()
{
    m_hold.stop();
    finish(m_touchGesture.cancel(), 0);
}

void LayerWidget::keyPressed(std::uint32_t key, std::uint32_t serial)
{
    if (m_gesture.pressed())
        return;
    if (key == KEY_COMPOSE || key == KEY_MENU)
        openMenu(m_surface->corner() + QPoint(m_surface->size().width() / 2, m_surface->size().height() / 2),
            serial);
    else if (key == KEY_ENTER || key == KEY_KPENTER || key == KEY_SPACE)
        finish(PointerGesture::Ending::click, serial);
}

void LayerWidget::moveTo(QPoint corner)
{
    m_surface->setCorner(keepWholeOnOutput(corner, m_surface->size(), m_outputSize));
}

void LayerWidget::finish(PointerGesture::Ending ending, std::uint32_t serial)
{
    if (ending != PointerGesture::Ending::click || !m_display.activation()) {
        m_widget.finishGesture(ending, m_outputName, m_surface->corner());
        return;
    }
    // A window of another program comes forward only with the compositor's leave, asked for with the
    // click: the link goes with it, for the studio to come forward with.
    m_token = std::make_unique<ActivationToken>(m_display, m_surface->surface(), serial);
    connect(m_token.get(), &ActivationToken::done, this, [this](const QString& token) {
        m_token.release()->deleteLater();
        m_widget.openLink(token);
    });
}

void LayerWidget::openMenu(QPoint at, std::uint32_t serial)
{
    if (!m_display.windowManagerBase())
        return; // a compositor without xdg-shell has no popups
    m_menu.reset();
    m_menu = std::make_unique<LayerMenu>(
        m_display, *m_surface, at - m_surface->corner(), layerMenuEntriesOf(m_widget.menu()), serial);
    LayerMenu* menu = m_menu.get();
    // It finishes inside its own event: it goes once that is over.
    connect(menu, &LayerMenu::finished, this, [this, menu] {
        if (m_menu.get() == menu)
            m_menu.release();
        menu->deleteLater();
    });
}

} // namespace quillon::widgethost
