// Which output each widget goes on, and following the outputs.
#include "widgethost/host/layer_desktop.h"

#include <algorithm>
#include <iostream>

namespace quillon::widgethost {
namespace {

std::vector<NamedOutput> namedOutputs(const std::vector<const WaylandOutput*>& outputs)
{
    std::vector<NamedOutput> named;
    for (const WaylandOutput* output : outputs) {
        const QRect rect = output->rect();
        named.push_back({output->name,
            {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())}});
    }
    return named;
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
    const QSize size = widget.size();
    const auto where = placeOnOutputs(
        widget.placed(), {double(size.width()), double(size.height())}, namedOutputs(outputs));
    if (!where) {
        m_shown.erase(&widget);
        m_waiting.push_back(&widget);
        return;
    }
    const WaylandOutput& output = *outputs[where->output];
    // A place kept in the desktop's coordinates is kept in its output's from now on; a widget shown on
    // another output while its own is away keeps its own.
    if (where->onItsOwn)
        widget.showAt(output.name, where->corner.x, where->corner.y);
    const QPoint corner(int(where->corner.x), int(where->corner.y));
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
    const std::vector<const WaylandOutput*> outputs = m_display->outputs();
    if (outputs.empty())
        return {};
    // Beside where the pointer was last seen over a widget. Else in the first output's top-left
    // corner, lined up with the widgets there: a Wayland program cannot learn where the pointer or the
    // windows are, and windows open mostly in the middle.
    const WaylandOutput* output = outputs.front();
    std::optional<QPointF> pointer;
    if (const auto last = m_display->lastPointer()) {
        for (const auto& [widget, shown] : m_shown) {
            const WaylandOutput* itsOutput = m_display->output(shown->outputName());
            if (shown->surface().surface() == last->first && itsOutput) {
                output = itsOutput;
                pointer = last->second + shown->rect().topLeft();
            }
        }
    }
    std::vector<RectF> widgets;
    for (const auto& [widget, shown] : m_shown) {
        if (shown->outputName() == output->name) {
            const QRect rect = shown->rect();
            widgets.push_back(
                {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())});
        }
    }
    constexpr double kMargin = 24;
    const PointF wanted = pointer
        ? PointF {pointer->x() - size.width() / 2.0, pointer->y() - size.height() / 2.0}
        : PointF {kMargin, kMargin};
    const RectF area {0, 0, double(output->size().width()), double(output->size().height())};
    const PointF corner = findFreeSpot(wanted, {double(size.width()), double(size.height())}, widgets, area);
    return {output->name, corner.x, corner.y, output->name, area};
}

} // namespace quillon::widgethost
