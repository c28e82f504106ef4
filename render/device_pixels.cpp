// The device pixel helpers shared by the one-off and the retained rasterising of scenes.
#include "render/device_pixels.h"

#include <QImage>
#include <QPainter>

namespace quillon {

bool isPlainScale(const QTransform& toPixels)
{
    return toPixels.type() <= QTransform::TxScale && toPixels.m11() > 0 && toPixels.m11() == toPixels.m22();
}

QRectF devicePixels(const QTransform& toPixels, const DotRect& points)
{
    return toPixels.mapRect(QRectF(points.x, points.y, points.width, points.height));
}

PixelMapping mappingInto(const QTransform& toPixels, const QRect& area)
{
    return {toPixels.m11(), toPixels.dx() - area.left(), toPixels.dy() - area.top()};
}

PixelCanvas canvasOf(QImage& image, const QRect& area)
{
    const auto stride = static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4);
    auto* origin = reinterpret_cast<std::uint32_t*>(image.bits()) + area.top() * stride + area.left();
    return {origin, area.width(), area.height(), stride};
}

void drawDevicePixels(QPainter& painter, const QRect& area, const QImage& image)
{
    painter.save();
    painter.setWorldTransform(QTransform());
    // What is left without the world transform (view and pixel ratio) maps the pixels back.
    painter.drawImage(painter.deviceTransform().inverted().mapRect(QRectF(area)), image);
    painter.restore();
}

} // namespace quillon
