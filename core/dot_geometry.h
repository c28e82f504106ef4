// Plain geometry in points: rectangles, sizes and two-axis alignment.
#pragma once

namespace quillon {

struct DotSizeF {
    double width = 0;
    double height = 0;
    bool operator==(const DotSizeF&) const = default;
};

struct DotRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool operator==(const DotRect&) const = default;
};

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom };

struct DotAlignment {
    HorizontalAlignment horizontal = HorizontalAlignment::center;
    VerticalAlignment vertical = VerticalAlignment::center;

    static constexpr DotAlignment leading() { return {HorizontalAlignment::leading, VerticalAlignment::center}; }
    static constexpr DotAlignment center() { return {HorizontalAlignment::center, VerticalAlignment::center}; }
    bool operator==(const DotAlignment&) const = default;
};

// A box of the given size placed inside an area by an alignment.
DotRect aligned(DotSizeF size, DotRect area, DotAlignment alignment);

} // namespace quillon
