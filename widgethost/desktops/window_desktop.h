// The widgets as X11 windows with the desktop-widget hints, on the screens Qt knows, kept whole on
// them as they change.
#pragma once

#include "widgethost/desktops/stacking_watch.h"
#include "widgethost/desktops/widget_window.h"
#include "widgethost/desktops/xwayland_distances.h"
#include "widgethost/host/widget_desktop.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

namespace quillon::widgethost {

class WindowDesktop final : public QObject, public WidgetDesktop {
    Q_OBJECT

public:
    WindowDesktop();

    void show(LiveWidget& widget) override;
    void hide(LiveWidget& widget) override;
    WidgetPlace placeForNew(QSize size, const std::vector<PlacedWidget>& placed) override;
    std::vector<std::string> screenNames() const override;
    std::string screenOf(const LiveWidget& widget) const override;
    std::optional<WidgetPlace> placeOnScreen(
        QSize size, const std::string& screen, const std::vector<PlacedWidget>& placed) override;

    // The window showing a widget, or null.
    WidgetWindow* windowOf(const LiveWidget& widget) const;

protected:
    // Notes the widget the pointer enters: a new widget goes beside it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a widget of that size goes on the screen at `screen` (an index into Qt's screens), clear
    // of the widgets, beside the one the pointer was last over when `besidePointed`.
    WidgetPlace placeOn(
        std::size_t screen, QSize size, const std::vector<PlacedWidget>& placed, bool besidePointed);
    // Moves every window to where its widget shows on the screens as they are now: where it is kept,
    // or, while that is not whole on a screen, moved onto one beside the others.
    void fitToScreens();
    // A widget of a new size is kept whole on its screen.
    void resized(LiveWidget& widget);
    // Raises the widgets another program's desktop window has come over.
    void keepOverOtherDesktops();

    std::map<const LiveWidget*, std::unique_ptr<WidgetWindow>> m_windows;
    const LiveWidget* m_lastPointed = nullptr;
    // Runs fitToScreens once the signals of one change of the screens, or of the widgets shown
    // together at start, have all come.
    QTimer m_fitSoon;
    std::unique_ptr<StackingWatch> m_stacking;
    std::unique_ptr<XWaylandDistances> m_distances;
};

} // namespace quillon::widgethost
