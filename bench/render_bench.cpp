// Frames of a stage card beside their floor (one fill and one cached full-size image): a full
// repaint, the first frame after a change of theme, and a frame in the middle of a flip, where the
// kept pixels are brought up to date around the few cells that turn and only those are shown again.
// Each frame is laid out from its scene, as the stage lays out every frame.
#include "render/dot_painter.h"
#include "render/retained_scene.h"
#include "scenes/flap_animation.h"
#include "scenes/scene_geometry.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quillon;

struct Card {
    QSizeF points;
    double scale;
    int rows;
    int cells;
};

// The extra-large world board (724 x 344 points at the stage's largest scale) and a medium one.
constexpr Card kExtraLarge {{724, 344}, 2.6, 7, 26};
constexpr Card kMedium {{344, 164}, 780.0 / 344, 4, 17};

DotScene boardScene(const Card& card, const std::string& time)
{
    const char* cities[] = {"Los Angeles", "New York", "London", "Dubai", "Tokyo", "Sydney", "Auckland"};
    std::vector<std::string> lines;
    for (int row = 0; row < card.rows; ++row)
        lines.push_back(time + " " + cities[row]);
    return DotScene {{TextBlock {lines, card.cells, 1, DotAlignment::center()}}, 8, 16};
}

QImage cardImage(const Card& card)
{
    QImage image((card.points * card.scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(card.scale);
    return image;
}

DotRect cardBounds(const Card& card)
{
    return {0, 0, card.points.width(), card.points.height()};
}

// What the stage does for a frame: the kept pixels brought up to date, then the card's panel and
// those pixels painted again where they changed: all of the card after a change of theme, the
// rectangles around the turning cells in the middle of a flip.
void showFrame(
    QImage& image, RetainedScene& pixels, const DotScene& scene, const Card& card, const DotTheme& theme)
{
    QPainter painter(&image);
    const std::optional<QRegion> changed
        = pixels.update(sceneLayers(scene, cardBounds(card)), theme, 3.0, painter.deviceTransform());
    if (!changed)
        return;
    if (changed->boundingRect() == pixels.area()) {
        painter.fillRect(QRectF(QPointF(0, 0), card.points), toQColor(theme.background));
    } else {
        QRegion repaint;
        for (const QRect& rect : *changed)
            repaint += QRectF(rect.x() / card.scale, rect.y() / card.scale, rect.width() / card.scale,
                rect.height() / card.scale)
                           .toAlignedRect();
        painter.setClipRegion(repaint);
        for (const QRect& rect : repaint)
            painter.fillRect(rect, toQColor(theme.background));
    }
    pixels.draw(painter);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
}

void paintFullFrame(benchmark::State& state, const Card& card)
{
    // Two dark themes in turn: every frame is the first of its theme, so nothing is kept.
    const DotTheme* themes[] = {&themeTable()[ThemeID::midnight], &themeTable()[ThemeID::obsidian]};
    const DotScene scene = boardScene(card, "10:52P");
    QImage image = cardImage(card);
    RetainedScene pixels;
    int frame = 0;
    for (auto _ : state)
        showFrame(image, pixels, scene, card, *themes[frame++ % 2]);
}

// A minute turning over: one cell of each line flips. The frames of the flip are shown forwards
// and back, so that each differs from the last by what a frame of the flip changes.
void paintMidFlipFrame(benchmark::State& state, const Card& card)
{
    const DotTheme& theme = themeTable()[ThemeID::midnight];
    const DotScene before = boardScene(card, "10:52P");
    const DotScene after = boardScene(card, "10:53P");
    FlapAnimation animation;
    const double start = 800000000;
    animation.sync(before, start - 10);
    const double end = animation.sync(after, start);
    std::vector<DotScene> frames;
    for (double t = start; t < end; t += 1.0 / 30)
        frames.push_back(animation.animatedScene(after, t));
    for (std::size_t index = frames.size() - 1; index-- > 1;)
        frames.push_back(frames[index]);

    QImage image = cardImage(card);
    RetainedScene pixels;
    showFrame(image, pixels, frames.back(), card, theme);
    std::size_t frame = 0;
    for (auto _ : state)
        showFrame(image, pixels, frames[frame++ % frames.size()], card, theme);
}

void paintFloor(benchmark::State& state, const Card& card)
{
    QImage image = cardImage(card);
    QImage cached = cardImage(card);
    cached.fill(Qt::white);
    for (auto _ : state) {
        image.fill(toQColor(themeTable()[ThemeID::midnight].background));
        QPainter painter(&image);
        painter.drawImage(QRectF(QPointF(0, 0), card.points), cached);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void extraLargeBoardFrame(benchmark::State& state)
{
    paintFullFrame(state, kExtraLarge);
}
BENCHMARK(extraLargeBoardFrame)->Unit(benchmark::kMillisecond);

void extraLargeBoardMidFlip(benchmark::State& state)
{
    paintMidFlipFrame(state, kExtraLarge);
}
BENCHMARK(extraLargeBoardMidFlip)->Unit(benchmark::kMillisecond);

void extraLargeBoardFloor(benchmark::State& state)
{
    paintFloor(state, kExtraLarge);
}
BENCHMARK(extraLargeBoardFloor)->Unit(benchmark::kMillisecond);

void mediumBoardFrame(benchmark::State& state)
{
    paintFullFrame(state, kMedium);
}
BENCHMARK(mediumBoardFrame)->Unit(benchmark::kMillisecond);

void mediumBoardMidFlip(benchmark::State& state)
{
    paintMidFlipFrame(state, kMedium);
}
BENCHMARK(mediumBoardMidFlip)->Unit(benchmark::kMillisecond);

void mediumBoardFloor(benchmark::State& state)
{
    paintFloor(state, kMedium);
}
BENCHMARK(mediumBoardFloor)->Unit(benchmark::kMillisecond);

} // namespace
