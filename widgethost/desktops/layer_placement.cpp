// The arithmetic of places on outputs that have coordinates of their own.
#include "widgethost/desktops/layer_placement.h"

#include "widgethost/core/new_widget_spot.h"
#include "widgethost/core/screen_fit.h"

#include <algorithm>
#include <cmath>

namespace quillon::widgethost {
namespace {

RectF rectF(const QRect& rect)
{
    return {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())};
}

SizeF sizeF(QSize size)
{
    return {double(size.width()), double(size.height())};
}

// An output in its own coordinates.
RectF outputArea(const OutputGeometry& output)
{
    return {0, 0, double(output.size().width()), double(output.size().height())};
}

// A surface's corner: the whole point at or before a place on the output.
QPoint whole(PointF corner)
{
    return {int(std::floor(corner.x)), int(std::floor(corner.y))};
}

RectF keptRect(const LayerPlace& place, QSize size)
{
    return {place.place.x, place.place.y, double(size.width()), double(size.height())};
}

} // namespace

std::optional<LayerPlace> placeOnLayerOutputs(
    const PlacedWidget& placed, QSize size, const std::vector<OutputGeometry>& outputs)
{
    std::vector<NamedOutput> named;
    for (const OutputGeometry& output : outputs)
        named.push_back({output.name, rectF(output.rect())});
    const auto where = placeOnOutputs(placed, sizeF(size), named);
    if (!where)
        return std::nullopt;
    const PointF corner = keepWholeOn(where->corner, sizeF(size), outputArea(outputs[where->output]));
    return LayerPlace {where->output, where->corner, whole(corner), where->onItsOwn};
}

QPoint keepWholeOnOutput(QPoint corner, QSize size, QSize output)
{
    return {std::clamp(corner.x(), 0, std::max(0, output.width() - size.width())),
        std::clamp(corner.y(), 0, std::max(0, output.height() - size.height()))};
}

std::vector<std::optional<LayerPlace>> showOnLayerOutputs(
    const std::vector<KeptWidget>& widgets, const std::vector<OutputGeometry>& outputs)
{
    std::vector<std::optional<LayerPlace>> places;
    for (const KeptWidget& widget : widgets)
        places.push_back(placeOnLayerOutputs(widget.placed, widget.size, outputs));
    for (std::size_t output = 0; output < outputs.size(); ++output) {
        std::vector<std::size_t> members;
        std::vector<KeptOnArea> kept;
        for (std::size_t index = 0; index < places.size(); ++index) {
            if (!places[index] || places[index]->output != output)
                continue;
            members.push_back(index);
            kept.push_back({keptRect(*places[index], widgets[index].size), !places[index]->onItsOwn});
        }
        const std::vector<PointF> shown = shownPlaces(kept, outputArea(outputs[output]));
        for (std::size_t member = 0; member < members.size(); ++member)
            places[members[member]]->corner = whole(shown[member]);
    }
    return places;
}

std::optional<LayerPlace> showBesideOnLayerOutputs(const PlacedWidget& placed, QSize size,
    const std::vector<OutputGeometry>& outputs, const std::vector<ShownOnOutput>& shown)
{
    std::optional<LayerPlace> where = placeOnLayerOutputs(placed, size, outputs);
    if (!where)
        return std::nullopt;
    const OutputGeometry& output = outputs[where->output];
    std::vector<RectF> others;
    for (const ShownOnOutput& other : shown) {
        if (other.output == output.name)
            others.push_back(rectF(other.rect));
    }
    where->corner = whole(shownPlace({keptRect(*where, size), !where->onItsOwn}, outputArea(output), others));
    return where;
}

WidgetPlace placeNewOnLayerOutputs(QSize size, const std::vector<OutputGeometry>& outputs,
    const std::vector<ShownOnOutput>& shown, const std::vector<PlacedWidget>& placed,
    std::optional<std::size_t> pointed, const std::string& onOutput)
{
    if (outputs.empty())
        return {};
    const auto named = [&](const std::string& name) -> std::optional<std::size_t> {
        for (std::size_t index = 0; index < outputs.size(); ++index) {
            if (outputs[index].name == name)
                return index;
        }
        return std::nullopt;
    };
    std::size_t output = named(onOutput).value_or(0);
    NewWidgetRoom room;
    if (pointed && *pointed < shown.size()) {
        if (const auto itsOutput = named(shown[*pointed].output)) {
            output = *itsOutput;
            room.pointed = rectF(shown[*pointed].rect);
        }
    }
    const OutputGeometry& chosen = outputs[output];
    room.area = outputArea(chosen);
    for (const ShownOnOutput& other : shown) {
        if (other.output == chosen.name)
            room.widgets.push_back(rectF(other.rect));
    }
    for (const PlacedWidget& other : placed) {
        const QSize otherSize = familyPointSize(other.family).toSize();
        const auto where = placeOnLayerOutputs(other, otherSize, outputs);
        if (where && where->onItsOwn && where->output == output)
            room.widgets.push_back(keptRect(*where, otherSize));
    }
    const PointF corner = newWidgetSpot(sizeF(size), room);
    return {chosen.name, corner.x, corner.y, chosen.name, room.area};
}

} // namespace quillon::widgethost
