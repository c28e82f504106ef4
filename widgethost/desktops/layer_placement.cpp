// The arithmetic of places on outputs that have coordinates of their own.
#include "widgethost/desktops/layer_placement.h"

#include <algorithm>

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
    return LayerPlace {
        where->output, where->corner, QPoint(int(where->corner.x), int(where->corner.y)), where->onItsOwn};
}

QPoint keepWholeOnOutput(QPoint corner, QSize size, QSize output)
{
    return {std::clamp(corner.x(), 0, std::max(0, output.width() - size.width())),
        std::clamp(corner.y(), 0, std::max(0, output.height() - size.height()))};
}

WidgetPlace placeNewOnLayerOutputs(QSize size, const std::vector<OutputGeometry>& outputs,
    const std::vector<ShownOnOutput>& shown, std::optional<PointerOverWidget> pointer)
{
    if (outputs.empty())
        return {};
    const auto named = [&](const std::string& name) -> const OutputGeometry* {
        const auto found = std::find_if(outputs.begin(), outputs.end(),
            [&](const OutputGeometry& output) { return output.name == name; });
        return found == outputs.end() ? nullptr : &*found;
    };
    const OutputGeometry* output = &outputs.front();
    std::optional<QPointF> pointerOnOutput;
    if (pointer && pointer->widget < shown.size()) {
        const ShownOnOutput& under = shown[pointer->widget];
        if (const OutputGeometry* itsOutput = named(under.output)) {
            output = itsOutput;
            pointerOnOutput = pointer->at + under.rect.topLeft();
        }
    }
    std::vector<RectF> widgets;
    for (const ShownOnOutput& other : shown) {
        if (other.output == output->name)
            widgets.push_back(rectF(other.rect));
    }
    constexpr double kMargin = 24;
    const PointF wanted = pointerOnOutput
        ? PointF {pointerOnOutput->x() - size.width() / 2.0, pointerOnOutput->y() - size.height() / 2.0}
        : PointF {kMargin, kMargin};
    const RectF area {0, 0, double(output->size().width()), double(output->size().height())};
    const PointF corner = findFreeSpot(wanted, sizeF(size), widgets, area);
    return {output->name, corner.x, corner.y, output->name, area};
}

} // namespace quillon::widgethost
