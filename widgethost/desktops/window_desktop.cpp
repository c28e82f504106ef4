// Windows placed in the desktop's coordinates, on Qt's screens.
#include "widgethost/desktops/window_desktop.h"

#include "widgethost/core/new_widget_spot.h"
#include "widgethost/core/screen_fit.h"
#include "widgethost/desktops/desktop_window_hints.h"
#include "widgethost/desktops/open_windows.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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
std::size_t screenUnder(QPoint pointer, const std::vector<RectF>& screens)
{
    for (std::size_t index = 0; index < screens.size(); ++index) {
        const RectF& screen = screens[index];
        if (pointer.x() >= screen.x && pointer.x() < screen.right() && pointer.y() >= screen.y
            && pointer.y() < screen.bottom())
            return index;
    }
    return 0;
}

RectF rectAt(PointF corner, QSize size)
{
    return {corner.x, corner.y, double(size.width()), double(size.height())};
}

// Where a widget is kept, in the desktop's coordinates.
RectF keptRect(const LiveWidget& widget)
{
    return rectAt({widget.placed().x, widget.placed().y}, widget.size());
}

// In a Wayland session the X11 windows are only some of the windows: the rest cannot be seen.
bool allWindowsVisible()
{
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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

WindowDesktop::WindowDesktop()
{
    m_fitSoon.setSingleShot(true);
    m_fitSoon.setInterval(0);
    connect(&m_fitSoon, &QTimer::timeout, this, &WindowDesktop::fitToScreens);
    if (!qGuiApp)
        return;
    m_distances = XWaylandDistances::start();
    const auto follow = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, &m_fitSoon, qOverload<>(&QTimer::start));
        connect(screen, &QScreen::availableGeometryChanged, &m_fitSoon, qOverload<>(&QTimer::start));
    };
    for (QScreen* screen : QGuiApplication::screens())
        follow(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, follow](QScreen* screen) {
        follow(screen);
        m_fitSoon.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, &m_fitSoon, qOverload<>(&QTimer::start));
}

void WindowDesktop::show(LiveWidget& widget)
{
    // A place kept on an output of a Wayland desktop is kept in the desktop's coordinates from now
    // on. The place itself stays as it is while the screens are smaller than it needs.
    const PointF kept = desktopCorner(widget.placed());
    widget.showAt({}, kept.x, kept.y);
    std::vector<RectF> others;
    for (const auto& [shown, window] : m_windows)
        others.push_back(rectOf(window->frameGeometry()));
    auto window = std::make_unique<WidgetWindow>(widget, m_distances.get());
    if (m_distances)
        connect(m_distances.get(), &XWaylandDistances::moved, window.get(), &WidgetWindow::followDistances);
    const std::vector<RectF> screens = screenRects();
    if (const auto screen = areaOf(keptRect(widget), screens)) {
        const PointF corner = shownPlace({keptRect(widget)}, screens[*screen], others);
        window->move(int(corner.x), int(corner.y));
    }
    window->installEventFilter(this);
    connect(&widget, &LiveWidget::sizeChanged, window.get(), [this, &widget] { resized(widget); });
    window->show();
    m_windows[&widget] = std::move(window);
    // The widgets shown one by one at start are fitted together once they are all there.
    m_fitSoon.start();
    if (!m_stacking)
        m_stacking = std::make_unique<StackingWatch>([this] { keepOverOtherDesktops(); });
}

bool WindowDesktop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        if (const auto* window = qobject_cast<const WidgetWindow*>(watched))
            m_lastPointed = &window->widget();
    }
    return QObject::eventFilter(watched, event);
}

void WindowDesktop::fitToScreens()
{
    std::vector<const LiveWidget*> widgets;
    for (const auto& [widget, window] : m_windows)
        widgets.push_back(widget);
    // In the order they were shown: of two widgets moved onto a screen that has shrunk, the later
    // gives way, whatever the order they are kept in memory.
    std::sort(widgets.begin(), widgets.end(),
        [](const LiveWidget* a, const LiveWidget* b) { return a->serial() < b->serial(); });
    std::vector<RectF> kept;
    for (const LiveWidget* widget : widgets)
        kept.push_back(keptRect(*widget));
    const std::vector<PointF> shown = shownPlacesOnScreens(kept, screenRects());
    for (std::size_t index = 0; index < widgets.size(); ++index)
        m_windows.at(widgets[index])->move(int(shown[index].x), int(shown[index].y));
}

void WindowDesktop::resized(LiveWidget& widget)
{
    WidgetWindow* window = windowOf(widget);
    const std::vector<RectF> screens = screenRects();
    if (!window || screens.empty())
        return;
    // A widget grown near its screen's edge moves in, and is kept where it moved to: on the screen
    // that holds its corner, which growing leaves where it was.
    const PointF corner {widget.placed().x, widget.placed().y};
    const RectF& screen = screens[*areaOf({corner.x, corner.y, 1, 1}, screens)];
    const QSize size = widget.size();
    const PointF inside = keepWholeOn(corner, {double(size.width()), double(size.height())}, screen);
    if (!(inside == corner))
        widget.moveTo({}, inside.x, inside.y);
    // At once where it shows, rather than cut off until the others are fitted.
    const PointF at {double(window->x()), double(window->y())};
    const PointF shown = keepWholeOn(
        at, {double(size.width()), double(size.height())}, screens[*areaOf({at.x, at.y, 1, 1}, screens)]);
    window->move(int(shown.x), int(shown.y));
    m_fitSoon.start();
}

void WindowDesktop::keepOverOtherDesktops()
{
    std::vector<WId> own;
    for (const auto& [widget, window] : m_windows)
        own.push_back(window->winId());
    // From the lowest up, so that overlapping widgets keep their order.
    for (const WId covered : ownWindowsUnderOtherDesktops(own))
        raiseAmongDesktopWindows(covered);
}

void WindowDesktop::hide(LiveWidget& widget)
{
    const auto found = m_windows.find(&widget);
    if (found == m_windows.end())
        return;
    if (m_lastPointed == &widget)
        m_lastPointed = nullptr;
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

WidgetPlace WindowDesktop::placeForNew(QSize size, const std::vector<PlacedWidget>& placed)
{
    const std::vector<RectF> screens = screenRects();
    if (screens.empty())
        return {};
    // Beside the widget the pointer was last over, on its screen; else on the screen under the
    // pointer, which in a Wayland session is only known over X11 windows.
    const WidgetWindow* pointed = m_lastPointed ? windowOf(*m_lastPointed) : nullptr;
    const std::size_t screen
        = pointed ? *areaOf(rectOf(pointed->frameGeometry()), screens) : screenUnder(QCursor::pos(), screens);
    return placeOn(screen, size, placed, true);
}

std::optional<WidgetPlace> WindowDesktop::placeOnScreen(
    QSize size, const std::string& screen, const std::vector<PlacedWidget>& placed)
{
    const std::vector<std::string> names = screenNames();
    const auto found = std::find(names.begin(), names.end(), screen);
    if (found == names.end())
        return std::nullopt;
    return placeOn(static_cast<std::size_t>(found - names.begin()), size, placed, false);
}

WidgetPlace WindowDesktop::placeOn(
    std::size_t screen, QSize size, const std::vector<PlacedWidget>& placed, bool besidePointed)
{
    NewWidgetRoom room;
    // Every widget placed, where it is kept, and those shown where they show: a widget placed a
    // moment ago may not have its window yet.
    for (const PlacedWidget& widget : placed)
        room.widgets.push_back(rectAt(desktopCorner(widget), familyPointSize(widget.family).toSize()));
    std::vector<WId> own;
    for (const auto& [widget, window] : m_windows) {
        room.widgets.push_back(rectOf(window->frameGeometry()));
        own.push_back(window->winId());
    }
    const WidgetWindow* pointed = besidePointed && m_lastPointed ? windowOf(*m_lastPointed) : nullptr;
    if (pointed)
        room.pointed = rectOf(pointed->frameGeometry());
    room.area = screenRects()[screen];
    for (const QRect& frame : openWindowFrames(own))
        room.windows.push_back(rectOf(frame));
    room.seesAllWindows = allWindowsVisible();
    const PointF corner = newWidgetSpot({double(size.width()), double(size.height())}, room);
    return {{}, corner.x, corner.y, QGuiApplication::screens()[int(screen)]->name().toStdString(), room.area};
}

std::vector<std::string> WindowDesktop::screenNames() const
{
    std::vector<std::string> names;
    for (QScreen* screen : QGuiApplication::screens())
        names.push_back(screen->name().toStdString());
    return names;
}

std::string WindowDesktop::screenOf(const LiveWidget& widget) const
{
    const WidgetWindow* window = windowOf(widget);
    const QScreen* screen = window ? QGuiApplication::screenAt(window->frameGeometry().center()) : nullptr;
    return screen ? screen->name().toStdString() : std::string();
}

} // namespace quillon::widgethost
