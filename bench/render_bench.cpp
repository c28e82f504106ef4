// One animated frame of a stage card: the scene fitted, laid out, rasterised into grids, turned
// into geometry and painted with glow, beside the floor of the same frame (one fill and one
// cached full-size image).
#include "render/dot_painter.h"
#include "scenes/dot_scene.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

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

// Two frames of a board whose times differ, so that nothing carries over between iterations.
DotScene boardScene(const Card& card, int frame)
{
    const char* cities[] = {"Los Angeles", "New York", "London", "Dubai", "Tokyo", "Sydney", "Auckland"};
    std::vector<std::string> lines;
    for (int row = 0; row < card.rows; ++row)
        lines.push_back(std::string(frame % 2 ? " 9:41A " : "10:52P ") + cities[row]);
    return DotScene {{TextBlock {lines, card.cells, 1, DotAlignment::center()}}, 8, 16};
}

QImage cardImage(const Card& card)
{
    QImage image((card.points * card.scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(card.scale);
    return image;
}

void paintFrame(benchmark::State& state, const Card& card)
{
    const DotTheme& theme = themeTable()[ThemeID::midnight];
    const DotScene scenes[] = {boardScene(card, 0), boardScene(card, 1)};
    QImage image = cardImage(card);
    int frame = 0;
    for (auto _ : state) {
        image.fill(toQColor(theme.background));
        QPainter painter(&image);
        paintScene(painter, scenes[frame++ % 2], theme, true, QRectF(QPointF(0, 0), card.points));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
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
    paintFrame(state, kExtraLarge);
}
BENCHMARK(extraLargeBoardFrame)->Unit(benchmark::kMillisecond);

void extraLargeBoardFloor(benchmark::State& state)
{
    paintFloor(state, kExtraLarge);
}
BENCHMARK(extraLargeBoardFloor)->Unit(benchmark::kMillisecond);

void mediumBoardFrame(benchmark::State& state)
{
    paintFrame(state, kMedium);
}
BENCHMARK(mediumBoardFrame)->Unit(benchmark::kMillisecond);

void mediumBoardFloor(benchmark::State& state)
{
    paintFloor(state, kMedium);
}
BENCHMARK(mediumBoardFloor)->Unit(benchmark::kMillisecond);

} // namespace
