// Keeping a scene's pixels, and redrawing the rectangles around the dots that changed.
#include "render/retained_scene.h"

#include "render/device_pixels.h"
#include "render/dot_changes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

// How far beyond a dot's box a change of the dot reaches, in pixels: its halo's blur, and the
// rounding of its place to a sub-pixel offset.
int reachOfDot(double glowRadius, double scale)
{
    const double sigma = glowRadius / 2 * scale;
    return sigma > 0 ? static_cast<int>(std::ceil(3 * sigma)) + 3 : 2;
}

// One rectangle per run of changed dots that lie within each other's reach: on a board of one line
// of text, a rectangle per turning cell, or per run of neighbouring ones.
std::vector<QRect> joinedAlongTheLine(std::vector<QRect> rects)
{
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
    std::vector<QRect> joined;
    for (const QRect& rect : rects) {
        if (!joined.empty() && rect.left() <= joined.back().right() + 1)
            joined.back() |= rect;
        else
            joined.push_back(rect);
    }
    return joined;
}

} // namespace

std::optional<QRegion> RetainedScene::update(const std::vector<BoardLayers>& boards, const DotTheme& theme,
    double glowRadius, const QTransform& toPixels)
{
    const bool plainScale = isPlainScale(toPixels);
    const QRect area
        = plainScale ? devicePixels(toPixels, boardsBounds(boards, glowRadius)).toAlignedRect() : QRect();
    if (!plainScale || static_cast<double>(area.width()) * area.height() > kMaxRasterPixels) {
        // Pixels of an earlier frame must not be shown for this one.
        clear();
        return std::nullopt;
    }

    if (!sameLayout(boards, theme, glowRadius, toPixels, area)) {
        m_theme = theme;
        m_glowRadius = glowRadius;
        m_toPixels = toPixels;
        m_area = area;
        m_boards = boards;
        drawWhole(boards);
        return QRegion(area);
    }

    const PixelMapping mapping = mappingInto(toPixels, area);
    const int reach = reachOfDot(glowRadius, mapping.scale);
    std::vector<QRect> changed;
    for (std::size_t index = 0; index < boards.size(); ++index) {
        const std::optional<std::vector<DotRect>> dots = changedDots(m_boards[index], boards[index]);
        if (!dots) {
            m_boards = boards;
            drawWhole(boards);
            return QRegion(area);
        }
        std::vector<QRect> rects;
        rects.reserve(dots->size());
        for (const DotRect& dot : *dots) {
            const QRect pixels
                = QRectF(dot.x * mapping.scale + mapping.offsetX, dot.y * mapping.scale + mapping.offsetY,
                      dot.width * mapping.scale, dot.height * mapping.scale)
                      .toAlignedRect()
                      .adjusted(-reach, -reach, reach, reach)
                & m_image.rect();
            if (!pixels.isEmpty())
                rects.push_back(pixels);
        }
        const std::vector<QRect> joined = joinedAlongTheLine(std::move(rects));
        changed.insert(changed.end(), joined.begin(), joined.end());
    }
    m_boards = boards;
    QRegion region;
    for (const QRect& rect : changed) {
        redraw(rect, boards);
        region += rect.translated(area.topLeft());
    }
    return region;
}

bool RetainedScene::sameLayout(const std::vector<BoardLayers>& boards, const DotTheme& theme,
    double glowRadius, const QTransform& toPixels, const QRect& area) const
{
    if (m_image.isNull() || m_theme != theme || m_glowRadius != glowRadius || m_toPixels != toPixels
        || m_area != area || m_boards.size() != boards.size())
        return false;
    for (std::size_t index = 0; index < boards.size(); ++index) {
        if (!sameFrame(m_boards[index], boards[index]))
            return false;
    }
    return true;
}

void RetainedScene::drawWhole(const std::vector<BoardLayers>& boards)
{
    if (m_area.isEmpty()) {
        m_image = QImage();
        return;
    }
    if (m_image.size() != m_area.size())
        m_image = QImage(m_area.size(), QImage::Format_ARGB32_Premultiplied);
    redraw(m_image.rect(), boards);
}

void RetainedScene::redraw(const QRect& pixels, const std::vector<BoardLayers>& boards)
{
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(m_image.scanLine(y));
        std::fill(line + pixels.left(), line + pixels.right() + 1, 0U);
    }
    // The whole image's coordinates, drawing only inside the rectangle: every dot keeps the
    // sub-pixel offset it has when the whole frame is drawn, so the pixels are the same.
    PixelCanvas canvas = canvasOf(m_image, m_image.rect());
    canvas.left = pixels.left();
    canvas.top = pixels.top();
    canvas.width = pixels.right() + 1;
    canvas.height = pixels.bottom() + 1;
    const PixelMapping mapping = mappingInto(m_toPixels, m_area);
    for (const BoardLayers& board : boards)
        rasterizeBoard(canvas, board, *m_theme, m_glowRadius, mapping, m_stamps, m_glow);
}

void RetainedScene::draw(QPainter& painter) const
{
    if (!m_image.isNull())
        drawDevicePixels(painter, m_area, m_image);
}

void RetainedScene::clear()
{
    m_image = QImage();
    m_boards.clear();
    m_theme.reset();
}

} // namespace quillon
