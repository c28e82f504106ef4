// Windows placed in the desktop's coordinates, on Qt's screens.
#include "widgethost/desktops/window_desktop.h"

#include "widgethost/desktops/open_windows.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace quillon::widgethost {
namespace {

RectF rectOf(const QRect& rect)
{
    return {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())};
}

std::vector<RectF> screenRects()
{
    std::vector<RectF> rects;
    for (QScreen* screen : QGuiApplication::screens())
        rects.push_back(rectOf(screen->availableGeometry()));
    return rects;
}

// The screen under the pointer, or the first when the pointer is on none of them.
const RectF& screenUnder(QPoint pointer, const std::vector<RectF>& screens)
{
    for (const RectF& screen : screens) {
        if (pointer.x() >= screen.x && pointer.x() < screen.right() && pointer.y() >= screen.y
            && pointer.y() < screen.bottom())
            return screen;
    }
    return screens.front();
}

// A place written on a Wayland desktop names its screen and is relative to it; the X11 screen of
// the same name has the same corner.
PointF desktopCorner(const PlacedWidget& placed)
{
    if (!placed.screen.empty()) {
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen->name().toStdString() == placed.screen)
                return {screen->geometry().x() + placed.x, screen->geometry().y() + placed.y};
        }
    }
    return {placed.x, placed.y};
}

} // namespace

void WindowDesktop::show(LiveWidget& widget)
{
    const QSize size = widget.size();
    const PointF corner = placeOnScreens(
        desktopCorner(widget.placed()), {double(size.width()), double(size.height())}, screenRects());
    widget.showAt({}, corner.x, corner.y);
    auto window = std::make_unique<WidgetWindow>(widget);
    window->show();
    m_windows[&widget] = std::move(window);
}

void WindowDesktop::hide(LiveWidget& widget)
{
    const auto found = m_windows.find(&widget);
    if (found == m_windows.end())
        return;
    // The window may be in the middle of its own menu: it goes once that returns.
    found->second->hide();
    found->second.release()->deleteLater();
    m_windows.erase(found);
}

WidgetWindow* WindowDesktop::windowOf(const LiveWidget& widget) const
{
    const auto found = m_windows.find(&widget);
    return found == m_windows.end() ? nullptr : found->second.get();
}

WidgetPlace WindowDesktop::placeForNew(QSize size)
{
    // Near the pointer, on its screen, clear of the widgets already placed and of open windows.
    const QPoint pointer = QCursor::pos();
    const PointF wanted {pointer.x() - size.width() / 2.0, pointer.y() - size.height() / 2.0};
    const std::vector<RectF> screens = screenRects();
    if (screens.empty())
        return {{}, wanted.x, wanted.y, {}, {}};
    std::vector<RectF> widgets;
    std::vector<WId> own;
    for (const auto& [widget, window] : m_windows) {
        widgets.push_back(rectOf(window->frameGeometry()));
        own.push_back(window->winId());
    }
    std::vector<RectF> windows;
    for (const QRect& frame : openWindowFrames(own))
        windows.push_back(rectOf(frame));
    const RectF& screen = screenUnder(pointer, screens);
    const PointF corner
        = findFreeSpot(wanted, {double(size.width()), double(size.height())}, widgets, screen, windows);
    std::string name;
    for (QScreen* candidate : QGuiApplication::screens()) {
        if (rectOf(candidate->availableGeometry()) == screen) {
            name = candidate->name().toStdString();
            break;
        }
    }
    return {{}, corner.x, corner.y, name, screen};
}

} // namespace quillon::widgethost
