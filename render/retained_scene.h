// A scene's boards rasterised once and kept, so that a frame of a flip redraws only what turned.
#pragma once

#include "core/board_geometry.h"
#include "core/dot_theme.h"
#include "render/board_raster.h"

#include <QImage>
#include <QRegion>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace quillon {

// The boards' pixels, on transparency, as the rasteriser draws them offscreen: kept between
// frames for one theme, halo, transform and layout. A frame that only lights or darkens dots
// redraws the rectangles around those dots (their halo's reach included) and nothing else; the
// pixels are the same as drawing the whole frame again.
class RetainedScene {
public:
    // Brings the pixels up to date with `boards`, drawn through `toPixels` (points to device
    // pixels: a uniform scale and a translation). Returns the device pixels that changed, all of
    // them after any change but lit and unlit dots; nothing, keeping no pixels, when the transform
    // is not a plain scale or the area is beyond reason, so that the caller paints some other way.
    std::optional<QRegion> update(const std::vector<BoardLayers>& boards, const DotTheme& theme,
        double glowRadius, const QTransform& toPixels);

    // Draws the pixels where they belong on the painter's device. Call it with the transform the
    // last update had.
    void draw(QPainter& painter) const;

    // Where the pixels are on the device.
    QRect area() const { return m_area; }
    const QImage& image() const { return m_image; }

    // Frees the pixels; the next update draws everything.
    void clear();

private:
    bool sameLayout(const std::vector<BoardLayers>& boards, const DotTheme& theme, double glowRadius,
        const QTransform& toPixels, const QRect& area) const;
    void drawWhole(const std::vector<BoardLayers>& boards);
    void redraw(const QRect& pixels, const std::vector<BoardLayers>& boards);

    QImage m_image;
    QRect m_area;
    QTransform m_toPixels;
    std::optional<DotTheme> m_theme;
    double m_glowRadius = 0;
    std::vector<BoardLayers> m_boards;
    StampCache m_stamps;
    GlowBuffer m_glow;
};

} // namespace quillon
