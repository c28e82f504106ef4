// What an output's events make of its geometry.
#include "widgethost/layer_shell/output_geometry.h"

#include <algorithm>

namespace quillon::widgethost {

QSize OutputGeometry::size() const
{
    const int factor = std::max(scale, 1);
    const QSize points(pixels.width() / factor, pixels.height() / factor);
    return transposed ? points.transposed() : points;
}

bool transformTransposes(std::int32_t transform)
{
    return transform % 2 == 1; // the quarter and three-quarter turns, flipped or not
}

int outputScaleOf(std::int32_t factor)
{
    return std::clamp(factor, 1, 16);
}

QSize modePixels(std::int32_t width, std::int32_t height)
{
    return {std::max(width, 0), std::max(height, 0)};
}

std::optional<std::string> outputNameFrom(const char* name, bool described)
{
    if (!name || !*name || described)
        return std::nullopt;
    return std::string(name).substr(0, 256);
}

bool offersRoom(const OutputGeometry& output, bool described)
{
    return described && !output.size().isEmpty();
}

} // namespace quillon::widgethost
