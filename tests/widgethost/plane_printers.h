// How GoogleTest shows the plain geometry's points and rectangles in a failure, rather than as their
// bytes.
#pragma once

#include "platform/geometry/plane.h"

#include <ostream>

namespace quillon {

inline void PrintTo(const PointF& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const RectF& rect, std::ostream* out)
{
    *out << rect.width << " x " << rect.height << " at (" << rect.x << ", " << rect.y << ")";
}

} // namespace quillon
