// The widgets as layer surfaces of a Wayland compositor that offers the layer shell: each on its
// output, kept there by the output's name, following outputs as they come and go and change size.
#pragma once

#include "widgethost/desktops/layer_placement.h"
#include "widgethost/desktops/layer_widget.h"
#include "widgethost/host/widget_desktop.h"
#include "widgethost/layer_shell/wayland_display.h"

#include <QObject>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace quillon::widgethost {

class LayerDesktop final : public QObject, public WidgetDesktop {
    Q_OBJECT

public:
    explicit LayerDesktop(std::unique_ptr<WaylandDisplay> display);
    ~LayerDesktop() override;

    void show(LiveWidget& widget) override;
    void hide(LiveWidget& widget) override;
    WidgetPlace placeForNew(QSize size, const std::vector<PlacedWidget>& placed) override;
    std::vector<std::string> screenNames() const override;
    std::string screenOf(const LiveWidget& widget) const override;
    std::optional<WidgetPlace> placeOnScreen(
        QSize size, const std::string& screen, const std::vector<PlacedWidget>& placed) override;

signals:
    // The compositor has gone: nothing can be shown any more.
    void lost();

private:
    // Shows one more widget, beside those shown.
    void place(LiveWidget& widget);
    // Shows a widget where `where` says, or keeps it waiting for an output.
    void put(LiveWidget& widget, const std::optional<LayerPlace>& where,
        const std::vector<const WaylandOutput*>& outputs);
    void outputsChanged();
    // Shows every widget where it goes on the outputs as they are now: those that do not fit where
    // they are kept, and the visitors, beside the others.
    void layOut();
    // layOut once the events of the moment have all been handled.
    void layOutSoon();
    // A widget of a new size is kept whole on its output.
    void resized(LiveWidget& widget);

    std::unique_ptr<WaylandDisplay> m_display;
    std::map<LiveWidget*, std::unique_ptr<LayerWidget>> m_shown;
    // Widgets to show once there is an output to show them on.
    std::vector<LiveWidget*> m_waiting;
    // The widget last pressed: a new widget goes beside it once the pointer has left for a menu.
    const LiveWidget* m_lastPressed = nullptr;
    bool m_layOutSoon = false;
};

} // namespace quillon::widgethost
