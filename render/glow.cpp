// Halo painting on an offscreen coverage mask.
#include "render/glow.h"

#include "render/box_blur.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace quillon {
namespace {

// A halo covers most of a display at most; larger masks would only cost memory.
constexpr double kMaxMaskPixels = 16.0 * 1024 * 1024;
// From this blur (in device pixels) on, half resolution is indistinguishable once scaled back.
constexpr double kHalfResolutionSigma = 2.0;

QImage colourized(const QImage& coverage, const QColor& colour)
{
    std::array<QRgb, 256> pixelFor {};
    for (int alpha = 0; alpha < 256; ++alpha) {
        QColor shade = colour;
        shade.setAlphaF(colour.alphaF() * static_cast<float>(alpha) / 255.0f);
        pixelFor[static_cast<std::size_t>(alpha)] = qPremultiply(shade.rgba());
    }
    QImage result(coverage.size(), QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < coverage.height(); ++row) {
        const uchar* source = coverage.constScanLine(row);
        auto* target = reinterpret_cast<QRgb*>(result.scanLine(row));
        for (int column = 0; column < coverage.width(); ++column)
            target[column] = pixelFor[source[column]];
    }
    return result;
}

} // namespace

void paintGlow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double blurRadius)
{
    if (shape.isEmpty() || colour.alpha() == 0 || !(blurRadius > 0))
        return;

    // Logical coordinates to device pixels: world and view transforms and the pixel ratio.
    const QTransform toPixels = painter.deviceTransform();
    const double pointsToPixels = std::sqrt(std::abs(toPixels.determinant()));
    const double sigma = blurRadius / 2 * pointsToPixels;
    const double resolution = sigma >= kHalfResolutionSigma ? 0.5 : 1.0;
    const double margin = std::ceil(3 * sigma) + 2;

    const QRectF pixelBounds
        = toPixels.mapRect(shape.boundingRect()).adjusted(-margin, -margin, margin, margin);
    const QSize maskSize(static_cast<int>(std::ceil(pixelBounds.width() * resolution)),
        static_cast<int>(std::ceil(pixelBounds.height() * resolution)));
    if (maskSize.isEmpty() || double(maskSize.width()) * maskSize.height() > kMaxMaskPixels)
        return;

    QImage coverage(maskSize, QImage::Format_Alpha8);
    coverage.fill(0);
    {
        QPainter maskPainter(&coverage);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.setTransform(toPixels * QTransform::fromTranslate(-pixelBounds.left(), -pixelBounds.top())
            * QTransform::fromScale(resolution, resolution));
        maskPainter.fillPath(shape, Qt::black);
    }
    gaussianBlurCoverage(coverage.bits(), coverage.width(), coverage.height(),
        static_cast<int>(coverage.bytesPerLine()), sigma * resolution);

    painter.save();
    painter.setWorldTransform(QTransform());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // What is left without the world transform (view and pixel ratio) maps the pixels back.
    const QRectF target = painter.deviceTransform().inverted().mapRect(pixelBounds);
    painter.drawImage(target, colourized(coverage, colour));
    painter.restore();
}

} // namespace quillon
