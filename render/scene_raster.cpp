// Choosing where a scene's pixels go: the painter's own image, or an offscreen one.
#include "render/scene_raster.h"

#include "render/board_raster.h"
#include "render/device_pixels.h"

#include <QImage>
#include <QPainter>

#include <optional>

namespace quillon {
namespace {

struct RasterState {
    StampCache stamps;
    GlowBuffer glow;
    QImage offscreen; // kept between frames: allocating a card-sized image costs more than clearing one
};

RasterState& rasterState()
{
    thread_local RasterState state;
    return state;
}

// The painter's image when drawing into it directly gives what source-over of our layers would.
QImage* directTarget(QPainter& painter)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const bool premultipliedArgb = image->format() == QImage::Format_ARGB32_Premultiplied;
    const bool opaqueRgb = image->format() == QImage::Format_RGB32;
    if (!(premultipliedArgb || opaqueRgb) || painter.compositionMode() != QPainter::CompositionMode_SourceOver
        || painter.opacity() != 1.0)
        return nullptr;
    if (painter.hasClipping() && painter.clipRegion().rectCount() > 1)
        return nullptr;
    return image;
}

} // namespace

bool rasterizeScene(
    QPainter& painter, const std::vector<BoardLayers>& boards, const DotTheme& theme, double glowRadius)
{
    const QTransform toPixels = painter.deviceTransform();
    if (!isPlainScale(toPixels))
        return false;

    const DotRect reach = boardsBounds(boards, glowRadius);
    QRectF pixels = devicePixels(toPixels, reach);
    if (painter.hasClipping())
        pixels &= toPixels.mapRect(painter.clipBoundingRect());
    QImage* direct = directTarget(painter);
    if (direct)
        pixels &= QRectF(direct->rect());
    const QRect area = pixels.toAlignedRect();
    if (area.isEmpty())
        return true;
    if (static_cast<double>(area.width()) * area.height() > kMaxRasterPixels)
        return false;

    RasterState& state = rasterState();
    QImage* target = direct;
    if (!target) {
        if (state.offscreen.size() != area.size())
            state.offscreen = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        state.offscreen.fill(Qt::transparent);
        target = &state.offscreen;
    }
    const QRect canvasArea = direct ? area : QRect(QPoint(0, 0), area.size());
    const PixelCanvas canvas = canvasOf(*target, canvasArea);
    const PixelMapping mapping = mappingInto(toPixels, area);
    for (const BoardLayers& board : boards)
        rasterizeBoard(canvas, board, theme, glowRadius, mapping, state.stamps, state.glow);

    if (!direct)
        drawDevicePixels(painter, area, state.offscreen);
    return true;
}

} // namespace quillon
