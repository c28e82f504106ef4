// Choosing a new widget's spot.
#include "widgethost/core/new_widget_spot.h"

#include "widgethost/core/screen_fit.h"

#include <optional>
#include <vector>

namespace quillon::widgethost {
namespace {

// The middle third of an area each way, where windows open when the desktop lays them out itself.
RectF middleOf(const RectF& area)
{
    return {area.x + area.width / 3, area.y + area.height / 3, area.width / 3, area.height / 3};
}

RectF insetBy(const RectF& area, double margin)
{
    return {area.x + margin, area.y + margin, area.width - 2 * margin, area.height - 2 * margin};
}

// Of the spots right beside `widget` that lie whole on `area` clear of `taken`, the nearest to
// `wanted`.
std::optional<PointF> nearestSpotBeside(
    const RectF& widget, PointF wanted, SizeF size, const std::vector<RectF>& taken, const RectF& area)
{
    std::optional<PointF> best;
    double bestDistance = 0;
    for (const PointF spot : spotsBeside(widget, size)) {
        if (!(keepWholeOn(spot, size, area) == spot)
            || !isClearOf({spot.x, spot.y, size.width, size.height}, taken))
            continue;
        const double distance
            = (spot.x - wanted.x) * (spot.x - wanted.x) + (spot.y - wanted.y) * (spot.y - wanted.y);
        if (!best || distance < bestDistance) {
            best = spot;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

PointF newWidgetSpot(SizeF size, const NewWidgetRoom& room)
{
    const RectF& area = room.area;
    const PointF wanted = room.pointed
        ? PointF {room.pointed->right() + kWidgetGap, room.pointed->y}
        : PointF {area.right() - kNewWidgetMargin - size.width, area.y + kNewWidgetMargin};
    // Beside a widget the nearest spot is the best whichever way it lies; from the corner, a column
    // down the edge keeps the widgets out of the way of the windows longest.
    const double across = room.pointed ? 1 : 3;

    std::vector<RectF> widgets = room.widgets;
    if (room.pointed)
        widgets.push_back(*room.pointed);
    std::vector<RectF> everything = widgets;
    everything.insert(everything.end(), room.windows.begin(), room.windows.end());
    // Beside a widget the user has shown where widgets go, the middle too.
    if (!room.seesAllWindows && !room.pointed)
        everything.push_back(middleOf(area));
    // Off the screen's edges where it has room for that, and hidden by no window where it has room
    // beside them: a widget under a window would be lost, one against the edge only looks crowded.
    const RectF inset = insetBy(area, kNewWidgetMargin);
    const bool fitsInset = inset.width >= size.width && inset.height >= size.height;
    const struct {
        const std::vector<RectF>& taken;
        const RectF& within;
        bool worth;
    } tries[] = {
        {everything, inset, fitsInset},
        {everything, area, true},
        {widgets, inset, fitsInset},
        {widgets, area, true},
    };
    for (const auto& attempt : tries) {
        if (!attempt.worth)
            continue;
        // Right beside the widget pointed at where there is room, rather than beside another near it.
        if (room.pointed) {
            if (const auto spot
                = nearestSpotBeside(*room.pointed, wanted, size, attempt.taken, attempt.within))
                return *spot;
        }
        if (const auto spot
            = nearestFreeSpot(wanted, size, attempt.taken, attempt.within, kWidgetGap, across))
            return *spot;
    }
    return keepWholeOn(wanted, size, area);
}

} // namespace quillon::widgethost
