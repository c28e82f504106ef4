// Alignment of boxes inside areas.
#include "core/dot_geometry.h"

namespace quillon {

DotRect aligned(DotSizeF size, DotRect area, DotAlignment alignment)
{
    double x = area.x + (area.width - size.width) / 2;
    if (alignment.horizontal == HorizontalAlignment::leading)
        x = area.x;
    else if (alignment.horizontal == HorizontalAlignment::trailing)
        x = area.right() - size.width;

    double y = area.y + (area.height - size.height) / 2;
    if (alignment.vertical == VerticalAlignment::top)
        y = area.y;
    else if (alignment.vertical == VerticalAlignment::bottom)
        y = area.bottom() - size.height;
    return {x, y, size.width, size.height};
}

} // namespace quillon
