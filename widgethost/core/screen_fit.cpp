// The arithmetic of fitting widgets on screens and outputs.
#include "widgethost/core/screen_fit.h"

#include <algorithm>

namespace quillon::widgethost {
namespace {

bool liesWholeOn(const RectF& rect, const RectF& area)
{
    return rect.x >= area.x && rect.right() <= area.right() && rect.y >= area.y
        && rect.bottom() <= area.bottom();
}

double overlapOf(const RectF& a, const RectF& b)
{
    const double width = std::min(a.right(), b.right()) - std::max(a.x, b.x);
    const double height = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

double distanceSquared(const RectF& a, const RectF& b)
{
    const double dx = std::max({b.x - a.right(), 0.0, a.x - b.right()});
    const double dy = std::max({b.y - a.bottom(), 0.0, a.y - b.bottom()});
    return dx * dx + dy * dy;
}

// Whether a widget of `size` fits on `area` beside the widgets shown there, counting only their
// room: where it does not, no spot can be free, and the search is not worth its time.
bool hasRoomFor(SizeF size, const RectF& area, const std::vector<RectF>& shown)
{
    double taken = size.width * size.height;
    for (const RectF& other : shown)
        taken += overlapOf(other, area);
    return taken <= area.width * area.height;
}

} // namespace

PointF keepWholeOn(PointF corner, SizeF size, const RectF& area)
{
    return {std::clamp(corner.x, area.x, std::max(area.x, area.right() - size.width)),
        std::clamp(corner.y, area.y, std::max(area.y, area.bottom() - size.height))};
}

std::optional<std::size_t> areaOf(const RectF& rect, const std::vector<RectF>& areas)
{
    if (areas.empty())
        return std::nullopt;
    for (std::size_t index = 0; index < areas.size(); ++index) {
        if (liesWholeOn(rect, areas[index]))
            return index;
    }
    std::optional<std::size_t> most;
    double mostOverlap = 0;
    for (std::size_t index = 0; index < areas.size(); ++index) {
        const double overlap = overlapOf(rect, areas[index]);
        if (overlap > mostOverlap) {
            most = index;
            mostOverlap = overlap;
        }
    }
    if (most)
        return most;
    std::size_t nearest = 0;
    for (std::size_t index = 1; index < areas.size(); ++index) {
        if (distanceSquared(rect, areas[index]) < distanceSquared(rect, areas[nearest]))
            nearest = index;
    }
    return nearest;
}

std::vector<PointF> spotsBeside(const RectF& other, SizeF size, double gap)
{
    const double left = other.x - gap - size.width;
    const double right = other.right() + gap;
    const double above = other.y - gap - size.height;
    const double below = other.bottom() + gap;
    const double bottomAligned = other.bottom() - size.height;
    const double rightAligned = other.right() - size.width;
    return {{right, other.y}, {right, bottomAligned}, {other.x, below}, {rightAligned, below},
        {left, other.y}, {left, bottomAligned}, {other.x, above}, {rightAligned, above}};
}

bool isClearOf(const RectF& rect, const std::vector<RectF>& taken, double gap)
{
    return std::none_of(taken.begin(), taken.end(), [&](const RectF& other) {
        return rect.x < other.right() + gap && rect.right() + gap > other.x && rect.y < other.bottom() + gap
            && rect.bottom() + gap > other.y;
    });
}

std::optional<PointF> nearestFreeSpot(
    PointF wanted, SizeF size, const std::vector<RectF>& taken, const RectF& area, double gap, double across)
{
    const PointF start = keepWholeOn(wanted, size, area);
    const auto isFree = [&](PointF corner) {
        return isClearOf({corner.x, corner.y, size.width, size.height}, taken, gap);
    };
    if (isFree(start))
        return start;

    // Beside each widget or window, lined up with its top or bottom edge, and under or over it, lined
    // up with its left or right edge, where people line widgets up; then on a coarse grid, and along
    // the area's right and bottom edges, which the grid may miss.
    std::vector<PointF> candidates;
    for (const RectF& other : taken) {
        const std::vector<PointF> beside = spotsBeside(other, size, gap);
        candidates.insert(candidates.end(), beside.begin(), beside.end());
    }
    constexpr double kGridStep = 32;
    const PointF last = keepWholeOn({area.right(), area.bottom()}, size, area);
    for (double y = area.y; y <= last.y; y += kGridStep) {
        for (double x = area.x; x <= last.x; x += kGridStep)
            candidates.push_back({x, y});
        candidates.push_back({last.x, y});
    }
    for (double x = area.x; x <= last.x; x += kGridStep)
        candidates.push_back({x, last.y});
    candidates.push_back(last);

    std::optional<PointF> best;
    double bestDistance = 0;
    for (const PointF candidate : candidates) {
        const PointF corner = keepWholeOn(candidate, size, area);
        if (!isFree(corner))
            continue;
        const double dx = (corner.x - start.x) * across;
        const double dy = corner.y - start.y;
        if (!best || dx * dx + dy * dy < bestDistance) {
            best = corner;
            bestDistance = dx * dx + dy * dy;
        }
    }
    return best;
}

PointF shownPlace(const KeptOnArea& widget, const RectF& area, const std::vector<RectF>& shown)
{
    const SizeF size {widget.kept.width, widget.kept.height};
    const PointF inside = keepWholeOn({widget.kept.x, widget.kept.y}, size, area);
    if (!widget.visiting && liesWholeOn(widget.kept, area))
        return inside;
    const RectF moved {inside.x, inside.y, size.width, size.height};
    const bool covers = std::any_of(
        shown.begin(), shown.end(), [&](const RectF& other) { return overlapOf(moved, other) > 0; });
    if (!covers || !hasRoomFor(size, area, shown))
        return inside;
    return nearestFreeSpot(inside, size, shown, area).value_or(inside);
}

std::vector<PointF> shownPlaces(const std::vector<KeptOnArea>& widgets, const RectF& area)
{
    std::vector<PointF> places(widgets.size());
    std::vector<RectF> shown;
    std::vector<std::size_t> moving;
    for (std::size_t index = 0; index < widgets.size(); ++index) {
        const KeptOnArea& widget = widgets[index];
        if (!widget.visiting && liesWholeOn(widget.kept, area)) {
            places[index] = {widget.kept.x, widget.kept.y};
            shown.push_back(widget.kept);
        } else {
            moving.push_back(index);
        }
    }
    for (const std::size_t index : moving) {
        const RectF& kept = widgets[index].kept;
        places[index] = shownPlace(widgets[index], area, shown);
        shown.push_back({places[index].x, places[index].y, kept.width, kept.height});
    }
    return places;
}

std::vector<PointF> shownPlacesOnScreens(const std::vector<RectF>& kept, const std::vector<RectF>& screens)
{
    std::vector<PointF> places;
    for (const RectF& rect : kept)
        places.push_back({rect.x, rect.y});
    if (screens.empty())
        return places;
    std::vector<std::vector<std::size_t>> onScreen(screens.size());
    for (std::size_t index = 0; index < kept.size(); ++index)
        onScreen[*areaOf(kept[index], screens)].push_back(index);
    for (std::size_t screen = 0; screen < screens.size(); ++screen) {
        std::vector<KeptOnArea> widgets;
        for (const std::size_t index : onScreen[screen])
            widgets.push_back({kept[index]});
        const std::vector<PointF> shown = shownPlaces(widgets, screens[screen]);
        for (std::size_t member = 0; member < shown.size(); ++member)
            places[onScreen[screen][member]] = shown[member];
    }
    return places;
}

} // namespace quillon::widgethost
