// Keeping widgets whole on their screens and outputs: which one a widget belongs on, where it shows
// there while it does not fit where it is kept, and the free spots around the widgets already shown.
#pragma once

#include "platform/geometry/plane.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quillon::widgethost {

// The points kept clear around a widget where the host chooses its place.
inline constexpr double kWidgetGap = 16;

// `corner` moved as little as it must for a widget of `size` to lie whole on `area`; at the area's
// top-left corner when the widget is larger than the area.
PointF keepWholeOn(PointF corner, SizeF size, const RectF& area);

// Which of `areas` a widget at `rect` belongs on: the first that holds it whole, else the one it
// overlaps most, else the nearest. Nothing when there are none.
std::optional<std::size_t> areaOf(const RectF& rect, const std::vector<RectF>& areas);

// The corners of a widget of `size` right beside `other`, `gap` points from it and lined up with one
// of its edges: right of it, under it, left of it and over it.
std::vector<PointF> spotsBeside(const RectF& other, SizeF size, double gap = kWidgetGap);

// Whether a widget at `rect` keeps `gap` points clear of each of `taken`.
bool isClearOf(const RectF& rect, const std::vector<RectF>& taken, double gap = kWidgetGap);

// The spot nearest to `wanted` where a widget of `size` lies whole on `area`, `gap` points clear of
// each of `taken`: `wanted` itself when it is free, else beside, under or over one of them, lined up
// with its edges, else on a grid over the area. Distances across count `across` times as much as
// distances up and down, so that more than 1 lines widgets up in a column. Nothing when no spot is
// free.
std::optional<PointF> nearestFreeSpot(PointF wanted, SizeF size, const std::vector<RectF>& taken,
    const RectF& area, double gap = kWidgetGap, double across = 1);

// A widget to show on an area: where it is kept, in the area's coordinates, and whether it is only
// visiting, its own screen being away.
struct KeptOnArea {
    RectF kept;
    bool visiting = false;
};

// Where a widget shows on `area` beside the widgets `shown` there. Where it is kept when it lies whole
// there (a visiting widget also only where it covers none of them). Else, the area having shrunk or
// the widget being a visitor, moved onto it as little as it must, and then, where that covers a
// widget shown there, to the nearest spot clear of them while the area has room for it.
PointF shownPlace(const KeptOnArea& widget, const RectF& area, const std::vector<RectF>& shown);

// Where each of the widgets on one area shows. Those at home lying whole where they are kept stay
// there; the others are then placed as shownPlace places them, in the order given, each beside
// those that stayed and those placed before it.
std::vector<PointF> shownPlaces(const std::vector<KeptOnArea>& widgets, const RectF& area);

// Where each widget kept at a rectangle of the desktop shows on the desktop's `screens`: on the
// screen areaOf gives it, as shownPlaces places the widgets of each screen. Where it is kept when
// there are no screens.
std::vector<PointF> shownPlacesOnScreens(const std::vector<RectF>& kept, const std::vector<RectF>& screens);

} // namespace quillon::widgethost
