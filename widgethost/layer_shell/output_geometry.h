// An output as its events describe it, apart from the connection they come over: its name, its
// place in the compositor's layout, its mode, scale and turn, and what those make of its size in
// the layout's points.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <string>

namespace quillon::widgethost {

struct OutputGeometry {
    std::string name; // as the compositor names it (wl_output 4), else "output-<global>"
    QPoint position; // in the compositor's layout
    QSize pixels; // of the current mode
    int scale = 1;
    bool transposed = false; // turned a quarter: the mode's width is the output's height

    // Its size in the layout's points.
    QSize size() const;
    QRect rect() const { return {position, size()}; }
};

// Whether an output turned by `transform` (wl_output's numbering) has its mode on its side.
bool transformTransposes(std::int32_t transform);
// The scale an output's factor gives: a factor past what any output has is taken as the nearest.
int outputScaleOf(std::int32_t factor);
// The pixels of a mode, none where the compositor says less than none.
QSize modePixels(std::int32_t width, std::int32_t height);
// The name an output takes from a name event: nothing when it keeps the one it has, since a widget's
// place is kept under the first.
std::optional<std::string> outputNameFrom(const char* name, bool described);
// Whether widgets may go on an output: once it is described, and while it has room.
bool offersRoom(const OutputGeometry& output, bool described);

} // namespace quillon::widgethost
