// Which output each widget goes on, and following the outputs.
#include "widgethost/desktops/layer_desktop.h"

#include "widgethost/core/screen_fit.h"

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
    connect(&widget, &LiveWidget::sizeChanged, this, [this, &widget] { resized(widget); });
    // The widgets shown one by one at start are laid out together once they are all there.
    layOutSoon();
}

void LayerDesktop::place(LiveWidget& widget)
{
    std::vector<ShownOnOutput> others;
    for (const auto& [shownWidget, layer] : m_shown) {
        if (shownWidget != &widget)
            others.push_back({layer->outputName(), layer->rect()});
    }
    const std::vector<const WaylandOutput*> outputs = m_display->outputs();
    put(widget, showBesideOnLayerOutputs(widget.placed(), widget.size(), geometriesOf(outputs), others),
        outputs);
}

void LayerDesktop::put(LiveWidget& widget, const std::optional<LayerPlace>& where,
    const std::vector<const WaylandOutput*>& outputs)
{
    std::erase(m_waiting, &widget);
    if (!where) {
        m_shown.erase(&widget);
        m_waiting.push_back(&widget);
        return;
    }
    const WaylandOutput& output = *outputs[where->output];
    // A place kept in the desktop's coordinates is kept in its output's from now on. A place kept on
    // an output stays as it is while the widget shows elsewhere, on another output or moved onto a
    // smaller one: it goes back there when its output is back, or as large as it was.
    if (widget.placed().screen.empty())
        widget.showAt(output.name, where->place.x, where->place.y);
    const QPoint corner = where->corner;
    const auto found = m_shown.find(&widget);
    if (found != m_shown.end() && found->second->outputName() == output.name && !found->second->isClosed()) {
        found->second->setCorner(corner);
        return;
    }
    auto shown = std::make_unique<LayerWidget>(*m_display, widget, output, corner);
    connect(shown.get(), &LayerWidget::closed, this, &LayerDesktop::outputsChanged, Qt::QueuedConnection);
    connect(&shown->surface(), &LayerSurface::pressed, this, [this, &widget] { m_lastPressed = &widget; });
    m_shown[&widget] = std::move(shown);
}

void LayerDesktop::outputsChanged()
{
    for (auto& [widget, shown] : m_shown) {
        if (const WaylandOutput* output = m_display->output(shown->outputName()))
            shown->followOutput(*output);
    }
    // Each widget goes back to its own output when that is there, off one that has gone, or onto
    // the first that comes; and back to its place when its output is as large as it was again.
    layOut();
}

void LayerDesktop::layOut()
{
    std::vector<LiveWidget*> widgets = m_waiting;
    for (const auto& [widget, shown] : m_shown)
        widgets.push_back(widget);
    // In the order they were shown: of two widgets moved onto an output that has shrunk, the later
    // gives way, whatever the order they are kept in memory.
    std::sort(widgets.begin(), widgets.end(),
        [](const LiveWidget* a, const LiveWidget* b) { return a->serial() < b->serial(); });
    std::vector<KeptWidget> kept;
    for (const LiveWidget* widget : widgets)
        kept.push_back({widget->placed(), widget->size()});
    const std::vector<const WaylandOutput*> outputs = m_display->outputs();
    const std::vector<std::optional<LayerPlace>> places = showOnLayerOutputs(kept, geometriesOf(outputs));
    for (std::size_t index = 0; index < widgets.size(); ++index)
        put(*widgets[index], places[index], outputs);
}

void LayerDesktop::layOutSoon()
{
    if (m_layOutSoon)
        return;
    m_layOutSoon = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_layOutSoon = false;
            layOut();
        },
        Qt::QueuedConnection);
}

void LayerDesktop::resized(LiveWidget& widget)
{
    const auto found = m_shown.find(&widget);
    if (found == m_shown.end())
        return;
    const QSize size = widget.size();
    // A widget grown near its output's edge moves in, and is kept where it moved to. One shown on an
    // output not its own keeps its place for when its own is back.
    const PlacedWidget& placed = widget.placed();
    if (const WaylandOutput* own = m_display->output(placed.screen)) {
        const RectF area {0, 0, double(own->size().width()), double(own->size().height())};
        const PointF inside
            = keepWholeOn({placed.x, placed.y}, {double(size.width()), double(size.height())}, area);
        if (!(inside == PointF {placed.x, placed.y}))
            widget.moveTo(placed.screen, inside.x, inside.y);
    }
    // At once on the output it shows on, rather than cut off until the others are laid out.
    if (const WaylandOutput* output = m_display->output(found->second->outputName())) {
        found->second->setCorner(keepWholeOnOutput(found->second->rect().topLeft(), size, output->size()));
    }
    layOutSoon();
}

void LayerDesktop::hide(LiveWidget& widget)
{
    disconnect(&widget, nullptr, this, nullptr);
    std::erase(m_waiting, &widget);
    if (m_lastPressed == &widget)
        m_lastPressed = nullptr;
    // At once: nothing of a layer surface's runs at this point (its menu's choices run after the
    // menu has closed), and the widget goes right after.
    m_shown.erase(&widget);
}

WidgetPlace LayerDesktop::placeForNew(QSize size, const std::vector<PlacedWidget>& placed)
{
    std::vector<ShownOnOutput> shown;
    // The widget under the pointer when it was last over one of ours, else the one last pressed, as
    // the pointer may have gone on to its menu since.
    std::optional<std::size_t> hovered;
    std::optional<std::size_t> pressed;
    const auto last = m_display->lastPointer();
    for (const auto& [widget, layer] : m_shown) {
        if (last && layer->surface().surface() == last->first)
            hovered = shown.size();
        if (widget == m_lastPressed)
            pressed = shown.size();
        shown.push_back({layer->outputName(), layer->rect()});
    }
    return placeNewOnLayerOutputs(
        size, geometriesOf(m_display->outputs()), shown, placed, hovered ? hovered : pressed);
}

std::optional<WidgetPlace> LayerDesktop::placeOnScreen(
    QSize size, const std::string& screen, const std::vector<PlacedWidget>& placed)
{
    if (!m_display->output(screen))
        return std::nullopt;
    std::vector<ShownOnOutput> shown;
    for (const auto& [widget, layer] : m_shown)
        shown.push_back({layer->outputName(), layer->rect()});
    return placeNewOnLayerOutputs(
        size, geometriesOf(m_display->outputs()), shown, placed, std::nullopt, screen);
}

std::vector<std::string> LayerDesktop::screenNames() const
{
    std::vector<std::string> names;
    for (const WaylandOutput* output : m_display->outputs())
        names.push_back(output->name);
    return names;
}

std::string LayerDesktop::screenOf(const LiveWidget& widget) const
{
    for (const auto& [shown, layer] : m_shown) {
        if (shown == &widget)
            return layer->outputName();
    }
    return {};
}

} // namespace quillon::widgethost
