// The widgets as X11 windows with the desktop-widget hints, on the screens Qt knows.
#pragma once

#include "widgethost/desktops/widget_window.h"
#include "widgethost/host/widget_desktop.h"

#include <map>
#include <memory>

namespace quillon::widgethost {

class WindowDesktop final : public WidgetDesktop {
public:
    void show(LiveWidget& widget) override;
    void hide(LiveWidget& widget) override;
    WidgetPlace placeForNew(QSize size) override;

    // The window showing a widget, or null.
    WidgetWindow* windowOf(const LiveWidget& widget) const;

private:
    std::map<const LiveWidget*, std::unique_ptr<WidgetWindow>> m_windows;
};

} // namespace quillon::widgethost
