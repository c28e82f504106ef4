// Painting the backdrop and the card frame.
#include "studio/stage/stage_painting.h"

#include "render/box_blur.h"
#include "render/dot_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace quillon {
namespace {

constexpr double kDotSpacing = 14;
constexpr double kDotOffset = 7;
constexpr double kDotDiameter = 2;
constexpr double kShadowBlur = 30;
constexpr double kShadowOffset = 16;
constexpr double kShadowOpacity = 0.35;

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

// A blurred rounded rectangle, in device pixels, with room for the blur around it.
QImage shadowImage(QSizeF card, double radius, double pixelRatio)
{
    struct Cached {
        QSizeF card;
        double radius = 0;
        double pixelRatio = 0;
        QImage image;
    };
    thread_local Cached cached;
    if (cached.card == card && cached.radius == radius && cached.pixelRatio == pixelRatio)
        return cached.image;

    const double sigma = kShadowBlur / 2 * pixelRatio;
    const double margin = std::ceil(3 * sigma);
    const QSize size(static_cast<int>(std::ceil(card.width() * pixelRatio + 2 * margin)),
        static_cast<int>(std::ceil(card.height() * pixelRatio + 2 * margin)));
    QImage coverage(size, QImage::Format_Alpha8);
    coverage.fill(0);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(
            QRectF(QPointF(margin, margin), card * pixelRatio), radius * pixelRatio, radius * pixelRatio);
        painter.fillPath(path, Qt::black);
    }
    gaussianBlurCoverage(coverage.bits(), coverage.width(), coverage.height(),
        static_cast<int>(coverage.bytesPerLine()), sigma);
    QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        const uchar* source = coverage.constScanLine(y);
        auto* target = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            target[x] = qRgba(0, 0, 0, static_cast<int>(std::lround(source[x] * kShadowOpacity)));
    }
    shadow.setDevicePixelRatio(pixelRatio);
    cached = {card, radius, pixelRatio, shadow};
    return shadow;
}

} // namespace

void paintBackdrop(QPainter& painter, const QRectF& area, const DotTheme& theme, bool darkAppearance)
{
    painter.fillRect(area, darkAppearance ? QColor(17, 18, 20) : QColor(237, 238, 240));
    const QColor lit = toQColor(theme.lit);
    QRadialGradient tint(area.center(), 0.6 * std::max(area.width(), area.height()));
    tint.setColorAt(0, withAlpha(lit, darkAppearance ? 0.16 : 0.10));
    tint.setColorAt(1, withAlpha(lit, darkAppearance ? 0.07 : 0.05));
    painter.fillRect(area, tint);

    // One dot on a tile of the grid's spacing, repeated: a path of thousands of dots would be slow.
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage tile(QSize(1, 1) * static_cast<int>(std::lround(kDotSpacing * pixelRatio)),
        QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    {
        QPainter tilePainter(&tile);
        tilePainter.setRenderHint(QPainter::Antialiasing);
        tilePainter.setPen(Qt::NoPen);
        tilePainter.setBrush(darkAppearance ? QColor(255, 255, 255, 18) : QColor(0, 0, 0, 18));
        tilePainter.scale(pixelRatio, pixelRatio);
        tilePainter.drawEllipse(QPointF(kDotOffset, kDotOffset), kDotDiameter / 2, kDotDiameter / 2);
    }
    tile.setDevicePixelRatio(pixelRatio);
    QBrush dots(tile);
    dots.setTransform(QTransform::fromTranslate(area.left(), area.top()));
    painter.fillRect(area, dots);
}

void paintCardFrame(QPainter& painter, const QRectF& card, double radius, const DotTheme& theme)
{
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage shadow = shadowImage(card.size(), radius, pixelRatio);
    const double margin = (shadow.width() / pixelRatio - card.width()) / 2;
    painter.drawImage(card.topLeft() + QPointF(-margin, -margin + kShadowOffset), shadow);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(card, radius, radius);
    painter.fillPath(panel, toQColor(theme.background));
    painter.setPen(QPen(QColor(255, 255, 255, theme.isDark ? 20 : 102), 1));
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.restore();
}

} // namespace quillon
