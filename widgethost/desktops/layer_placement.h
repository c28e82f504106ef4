// Where the widgets' layer surfaces go: which output a kept place is on and the corner there, kept
// whole on it, whether dragged or placed; and where a new widget goes. Each output has coordinates of
// its own, in points, with its top-left corner at 0, 0.
#pragma once

#include "platform/geometry/plane.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/host/widget_desktop.h"
#include "widgethost/layer_shell/output_geometry.h"

#include <QPoint>
#include <QPointF>
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
    PointF place; // its corner on that output, as the widget keeps it
    QPoint corner; // the surface's corner: the place in whole points
    // False when the widget's own output is not there and it shows on another until it comes back:
    // its place stays its own.
    bool onItsOwn = true;
    bool operator==(const LayerPlace&) const = default;
};

// A widget of `size` points, kept at `placed`, on the outputs in the order the compositor announced
// them (see placeOnOutputs). Nothing when there are none.
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

// Where the pointer was last seen over a shown widget: which one (an index into them), and the point
// on it.
struct PointerOverWidget {
    std::size_t widget = 0;
    QPointF at;
};

// Where a new widget of `size` goes: centred on where the pointer was last seen over a widget, on
// that widget's output; else in the first output's top-left corner, lined up with the widgets there
// (a Wayland program cannot learn where the pointer or the windows are, and windows open mostly in
// the middle). Either way clear of the widgets on that output. No place when there is no output.
WidgetPlace placeNewOnLayerOutputs(QSize size, const std::vector<OutputGeometry>& outputs,
    const std::vector<ShownOnOutput>& shown, std::optional<PointerOverWidget> pointer);

} // namespace quillon::widgethost
