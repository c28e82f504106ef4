// Where the widgets' layer surfaces go: which output a kept place is on and the corner there, kept
// whole on it, and clear of the others while the output is smaller than it was, whether dragged or
// placed; and where a new widget goes. Each output has coordinates of its own, in points, with its
// top-left corner at 0, 0.
#pragma once

#include "platform/geometry/plane.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/host/widget_desktop.h"
#include "widgethost/layer_shell/output_geometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quillon::widgethost {

// Where a kept widget shows among the outputs there are.
struct LayerPlace {
    std::size_t output = 0; // an index into the outputs
    // Its corner on that output as the widget keeps it: past the output's edges while the output is
    // smaller than it was (a new mode or scale), so that it goes back once the output is as it was.
    PointF place;
    // Where the surface's corner is meanwhile: the place moved, where it must be, to lie whole on the
    // output, in whole points.
    QPoint corner;
    // False when the widget's own output is not there and it shows on another until it comes back:
    // its place stays its own.
    bool onItsOwn = true;
    bool operator==(const LayerPlace&) const = default;
};

// A widget of `size` points, kept at `placed`, on the outputs in the order the compositor announced
// them (see placeOnOutputs), without regard to other widgets. Nothing when there are none.
std::optional<LayerPlace> placeOnLayerOutputs(
    const PlacedWidget& placed, QSize size, const std::vector<OutputGeometry>& outputs);

// A dragged widget's corner, moved where it must be for the widget to lie whole on an output of
// `output` points, as the compositor would not show it past the edge anyway; at the output's corner
// when it is too big for the output.
QPoint keepWholeOnOutput(QPoint corner, QSize size, QSize output);

// A widget shown as a layer surface: its output's name and its place there.
struct ShownOnOutput {
    std::string output;
    QRect rect;
};

// A widget to show: its kept place and its size in points.
struct KeptWidget {
    PlacedWidget placed;
    QSize size;
};

// Where each widget shows among the outputs: on the output placeOnLayerOutputs gives it, and there as
// shownPlaces says, so that widgets moved onto an output that has shrunk, or visiting it while their
// own is away, cover no others where it has room. In the order given, which decides which of two
// such widgets gives way to the other. Nothing for any of them when there are no outputs.
std::vector<std::optional<LayerPlace>> showOnLayerOutputs(
    const std::vector<KeptWidget>& widgets, const std::vector<OutputGeometry>& outputs);

// Where one more widget shows among the outputs, beside the widgets `shown` already (see
// shownPlace).
std::optional<LayerPlace> showBesideOnLayerOutputs(const PlacedWidget& placed, QSize size,
    const std::vector<OutputGeometry>& outputs, const std::vector<ShownOnOutput>& shown);

// Where a new widget of `size` goes, as newWidgetSpot says: beside the widget `pointed` (an index into
// `shown`) the pointer was last over, on that widget's output; else into the top-right corner of the
// output named `onOutput`, or of the first, out of the middle, where windows open (a Wayland program
// cannot learn where the windows are). Either way clear of the widgets shown on that output and of
// those `placed` there, whose surfaces may not be there yet. No place when there is no output.
WidgetPlace placeNewOnLayerOutputs(QSize size, const std::vector<OutputGeometry>& outputs,
    const std::vector<ShownOnOutput>& shown, const std::vector<PlacedWidget>& placed,
    std::optional<std::size_t> pointed, const std::string& onOutput = {});

} // namespace quillon::widgethost
