// The widgets as layer surfaces of a Wayland compositor that offers the layer shell: each on its
// output, kept there by the output's name, following outputs as they come and go.
#pragma once

#include "widgethost/desktops/layer_widget.h"
#include "widgethost/host/widget_desktop.h"
#include "widgethost/layer_shell/wayland_display.h"

#include <QObject>

#include <map>
#include <memory>

namespace quillon::widgethost {

class LayerDesktop final : public QObject, public WidgetDesktop {
    Q_OBJECT

public:
    explicit LayerDesktop(std::unique_ptr<WaylandDisplay> display);
    ~LayerDesktop() override;

    void show(LiveWidget& widget) override;
    void hide(LiveWidget& widget) override;
    WidgetPlace placeForNew(QSize size) override;

signals:
    // The compositor has gone: nothing can be shown any more.
    void lost();

private:
    void place(LiveWidget& widget);
    void outputsChanged();

    std::unique_ptr<WaylandDisplay> m_display;
    std::map<LiveWidget*, std::unique_ptr<LayerWidget>> m_shown;
    // Widgets to show once there is an output to show them on.
    std::vector<LiveWidget*> m_waiting;
};

} // namespace quillon::widgethost
