// Geometry of dot layouts in points: the plain sizes and rectangles under the names the layouts use,
// and two-axis alignment.
#pragma once

#include "platform/geometry/plane.h"

namespace quillon {

using DotSizeF = SizeF;
using DotRect = RectF;

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom };

struct DotAlignment {
    HorizontalAlignment horizontal = HorizontalAlignment::center;
    VerticalAlignment vertical = VerticalAlignment::center;

    static constexpr DotAlignment leading()
    {
        return {HorizontalAlignment::leading, VerticalAlignment::center};
    }
    static constexpr DotAlignment center()
    {
        return {HorizontalAlignment::center, VerticalAlignment::center};
    }
    bool operator==(const DotAlignment&) const = default;
};

// A box of the given size placed inside an area by an alignment.
DotRect aligned(DotSizeF size, DotRect area, DotAlignment alignment);

} // namespace quillon
