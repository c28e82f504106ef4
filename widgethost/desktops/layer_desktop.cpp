// Which output each widget goes on, and following the outputs.
#include "widgethost/desktops/layer_desktop.h"

#include "widgethost/desktops/layer_placement.h"

#include <algorithm>
#include <iostream>

namespace quillon::widgethost {
namespace {

std::vector<OutputGeometry> geometriesOf(const std::vector<const WaylandOutput*>& outputs)
{
    std::vector<OutputGeometry> geometries;
    for (const WaylandOutput* output : outputs)
        geometries.push_back(*output);
    return geometries;
}

} // namespace

LayerDesktop::LayerDesktop(std::unique_ptr<WaylandDisplay> display)
    : m_display(std::move(display))
{
    // After the display's own handling of the event, once it is safe to make and drop surfaces.
    connect(m_display.get(), &WaylandDisplay::outputAdded, this, &LayerDesktop::outputsChanged,
        Qt::QueuedConnection);
    connect(m_display.get(), &WaylandDisplay::outputRemoved, this, &LayerDesktop::outputsChanged,
        Qt::QueuedConnection);
    connect(m_display.get(), &WaylandDisplay::outputChanged, this, &LayerDesktop::outputsChanged,
        Qt::QueuedConnection);
    connect(m_display.get(), &WaylandDisplay::lost, this, &LayerDesktop::lost);
    m_display->startDispatching();
}

LayerDesktop::~LayerDesktop()
{
    m_shown.clear();
}

void LayerDesktop::show(LiveWidget& widget)
{
    place(widget);
}

void LayerDesktop::place(LiveWidget& widget)
{
    std::erase(m_waiting, &widget);
    const std::vector<const WaylandOutput*> outputs = m_display->outputs();
    const auto where = placeOnLayerOutputs(widget.placed(), widget.size(), geometriesOf(outputs));
    if (!where) {
        m_shown.erase(&widget);
        m_waiting.push_back(&widget);
        return;
    }
    const WaylandOutput& output = *outputs[where->output];
    // A place kept in the desktop's coordinates is kept in its output's from now on; a widget shown on
    // another output while its own is away keeps its own.
    if (where->onItsOwn)
        widget.showAt(output.name, where->place.x, where->place.y);
    const QPoint corner = where->corner;
    const auto found = m_shown.find(&widget);
    if (found != m_shown.end() && found->second->outputName() == output.name && !found->second->isClosed()) {
        found->second->setCorner(corner);
        return;
    }
    auto shown = std::make_unique<LayerWidget>(*m_display, widget, output, corner);
    connect(shown.get(), &LayerWidget::closed, this, &LayerDesktop::outputsChanged, Qt::QueuedConnection);
    m_shown[&widget] = std::move(shown);
}

void LayerDesktop::outputsChanged()
{
    for (auto& [widget, shown] : m_shown) {
        if (const WaylandOutput* output = m_display->output(shown->outputName()))
            shown->followOutput(*output);
    }
    // Each widget goes back to its own output when that is there, off one that has gone, or onto
    // the first that comes.
    std::vector<LiveWidget*> widgets = m_waiting;
    for (const auto& [widget, shown] : m_shown)
        widgets.push_back(widget);
    for (LiveWidget* widget : widgets)
        place(*widget);
}

void LayerDesktop::hide(LiveWidget& widget)
{
    std::erase(m_waiting, &widget);
    // At once: nothing of a layer surface's runs at this point (its menu's choices run after the
    // menu has closed), and the widget goes right after.
    m_shown.erase(&widget);
}

WidgetPlace LayerDesktop::placeForNew(QSize size)
{
    std::vector<ShownOnOutput> shown;
    std::optional<PointerOverWidget> pointer;
    const auto last = m_display->lastPointer();
    for (const auto& [widget, layer] : m_shown) {
        if (last && layer->surface().surface() == last->first)
            pointer = PointerOverWidget {shown.size(), last->second};
        shown.push_back({layer->outputName(), layer->rect()});
    }
    return placeNewOnLayerOutputs(size, geometriesOf(m_display->outputs()), shown, pointer);
}

} // namespace quillon::widgethost
