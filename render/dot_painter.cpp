// Dot boards as four path fills each.
#include "render/dot_painter.h"

#include "render/board_style.h"
#include "render/glow.h"
#include "render/scene_raster.h"
#include "scenes/scene_geometry.h"

#include <QPainter>
#include <QPainterPath>

namespace quillon {
namespace {

QRectF toQRect(const DotRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

QColor withOpacity(QColor colour, double opacity)
{
    colour.setAlphaF(static_cast<float>(colour.alphaF() * opacity));
    return colour;
}

QPainterPath windingPath()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath ellipses(const std::vector<DotRect>& boxes)
{
    QPainterPath path = windingPath();
    for (const DotRect& box : boxes)
        path.addEllipse(toQRect(box));
    return path;
}

} // namespace

QColor toQColor(DotColor colour)
{
    QColor result(colour.red, colour.green, colour.blue);
    result.setAlphaF(static_cast<float>(colour.opacity));
    return result;
}

void paintBoard(QPainter& painter, const BoardLayers& board, const DotTheme& theme, bool glow)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const double radius = flapTileCornerRadius(board.pitch);
    QPainterPath tiles = windingPath();
    for (const DotRect& tile : board.tiles)
        tiles.addRoundedRect(toQRect(tile), radius, radius);
    painter.fillPath(tiles, toQColor(tileColour(theme)));

    if (!board.seams.empty()) {
        QPainterPath seams = windingPath();
        for (const DotRect& seam : board.seams)
            seams.addRect(toQRect(seam));
        painter.fillPath(seams, withOpacity(toQColor(theme.background), kSeamOpacity));
    }

    painter.fillPath(ellipses(board.unlitDots), toQColor(theme.unlit));

    const QPainterPath lit = ellipses(board.litDots);
    const QColor litColour = toQColor(theme.lit);
    if (glow)
        paintGlow(painter, lit, withOpacity(litColour, kGlowOpacity), kGlowRadius);
    painter.fillPath(lit, litColour);
    painter.restore();
}

void paintScene(
    QPainter& painter, const DotScene& scene, const DotTheme& theme, bool glow, const QRectF& rect)
{
    const DotRect bounds {rect.x(), rect.y(), rect.width(), rect.height()};
    const std::vector<BoardLayers> boards = sceneLayers(scene, bounds);
    if (rasterizeScene(painter, boards, theme, glow ? kGlowRadius : 0.0))
        return;
    for (const BoardLayers& board : boards)
        paintBoard(painter, board, theme, glow);
}

} // namespace quillon
