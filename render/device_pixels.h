// Between a painter's points and the device pixels the rasteriser draws in.
#pragma once

#include "core/dot_geometry.h"
#include "render/board_raster.h"

#include <QRect>
#include <QTransform>

class QImage;
class QPainter;

namespace quillon {

// Bigger areas than this go through the path painter instead.
inline constexpr double kMaxRasterPixels = 64.0 * 1024 * 1024;

// Whether the rasteriser can draw through this transform: a uniform positive scale and a translation.
bool isPlainScale(const QTransform& toPixels);

// The device pixels a rectangle of points covers, partly covered ones included.
QRectF devicePixels(const QTransform& toPixels, const DotRect& points);

// Points to pixels of an image whose first pixel is the device pixel area.topLeft().
PixelMapping mappingInto(const QTransform& toPixels, const QRect& area);

// An area of an image as a canvas whose first pixel is the area's top-left corner.
PixelCanvas canvasOf(QImage& image, const QRect& area);

// Draws an image of device pixels unscaled at `area`, whatever the painter's transform.
void drawDevicePixels(QPainter& painter, const QRect& area, const QImage& image);

} // namespace quillon
