// Plain geometry in points: a point, a size and a rectangle, nothing more. Below every layer that
// places things: the dot layouts build on it, and so does the widget host, which knows nothing of
// dots.
#pragma once

namespace quillon {

struct PointF {
    double x = 0;
    double y = 0;
    bool operator==(const PointF&) const = default;
};

struct SizeF {
    double width = 0;
    double height = 0;
    bool operator==(const SizeF&) const = default;
};

struct RectF {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool operator==(const RectF&) const = default;
};

} // namespace quillon
