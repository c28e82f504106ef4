// Painted pixels of dot boards, probed on images: no reference pictures to go stale.
#include "render/dot_painter.h"

#include "scenes/scene_geometry.h"

#include "core/board_geometry.h"
#include "render/board_style.h"
#include "render/scene_raster.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace quillon {
namespace {

const DotTheme& midnight()
{
    return themeTable()[ThemeID::midnight];
}

// The two ways a board reaches pixels: one path per layer, or the rasteriser.
enum class Painter { vector, raster };

Painter g_painter = Painter::vector;

void paintWith(Painter which, QPainter& painter, const BoardLayers& board, const DotTheme& theme, bool glow)
{
    if (which == Painter::vector)
        paintBoard(painter, board, theme, glow);
    else
        ASSERT_TRUE(rasterizeScene(painter, {board}, theme, glow ? kGlowRadius : 0.0));
}

// One cell "A" on a board of `pitch` points, painted on the theme's background at a pixel ratio.
QImage paintLetter(
    double pitch, double pixelRatio, bool glow, const DotTheme& theme = midnight(), const char* letter = "A")
{
    const QSizeF points(5 * pitch + 20, 7 * pitch + 20);
    QImage image((points * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(toQColor(theme.background));
    QPainter painter(&image);
    const std::vector<std::string> lines {letter};
    paintWith(g_painter, painter, boardLayers(DotGrid::text(lines, 1, 3), {10, 10, 5 * pitch, 7 * pitch}),
        theme, glow);
    return image;
}

// The pixel at the centre of dot (column, row) of the board painted by paintLetter.
QColor dotCentre(const QImage& image, double pitch, double column, double row)
{
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>((10 + pitch * (column + 0.5)) * ratio),
        static_cast<int>((10 + pitch * (row + 0.5)) * ratio));
}

bool near(const QColor& actual, const QColor& expected, int tolerance = 2)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

class DotPainterProbes : public ::testing::TestWithParam<Painter> { };

TEST_P(DotPainterProbes, LitAndUnlitDotsTakeTheirThemeColoursAtAnyPixelRatio)
{
    g_painter = GetParam();
    for (double ratio : {1.0, 2.0, 2.6}) {
        for (ThemeID id : {ThemeID::midnight, ThemeID::paper, ThemeID::amber}) {
            const DotTheme& theme = themeTable()[id];
            SCOPED_TRACE(theme.name.c_str());
            SCOPED_TRACE(ratio);
            const QImage image = paintLetter(20, ratio, false, theme);
            EXPECT_TRUE(near(dotCentre(image, 20, 1, 0), toQColor(theme.lit)))
                << "lit dot of the A's top row";
            const QColor unlit = dotCentre(image, 20, 0, 0);
            EXPECT_FALSE(near(unlit, toQColor(theme.lit), 40));
            EXPECT_FALSE(near(unlit, toQColor(theme.background), 0)) << "a faint ghost, not nothing";
            EXPECT_TRUE(near(image.pixelColor(1, 1), toQColor(theme.background)))
                << "no background of its own";
        }
    }
}

TEST_P(DotPainterProbes, TheGapBetweenCellsShowsTheBackground)
{
    g_painter = GetParam();
    const std::vector<std::string> lines {"HI"};
    const DotGrid grid = DotGrid::text(lines, 2, 3);
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(midnight().background));
    QPainter painter(&image);
    paintWith(g_painter, painter, boardLayers(grid, {0, 0, 110, 70}), midnight(), true);
    painter.end();
    // The empty column 5 lies at x 50 to 60; the tiles reach 2.2 points into it from either side.
    EXPECT_TRUE(near(image.pixelColor(55, 35), toQColor(midnight().background), 0));
    EXPECT_FALSE(near(image.pixelColor(48, 20), toQColor(midnight().background), 0)) << "tile edge";
}

TEST_P(DotPainterProbes, SeamsCrossLargeTilesAndVanishFromSmallOnes)
{
    g_painter = GetParam();
    // Between the dots of row 3, on the seam line, versus between the dots of row 2 (tile only).
    const auto seamAndTile = [](double pitch) {
        const QImage image = paintLetter(pitch, 40 / pitch, false);
        const double ratio = image.devicePixelRatio();
        const int x = static_cast<int>((10 + pitch * 1.0) * ratio); // between columns 0 and 1
        const int seamY = static_cast<int>((10 + pitch * 3.5) * ratio);
        const int tileY = static_cast<int>((10 + pitch * 2.0) * ratio); // between rows 1 and 2
        return std::pair {image.pixelColor(x, seamY), image.pixelColor(x, tileY)};
    };
    const auto [largeSeam, largeTile] = seamAndTile(10);
    EXPECT_FALSE(near(largeSeam, largeTile, 1)) << "the seam darkens the tile";
    const auto [smallSeam, smallTile] = seamAndTile(2);
    EXPECT_TRUE(near(smallSeam, smallTile, 0)) << "no seam below 2.5 points";
}

TEST_P(DotPainterProbes, GlowLightsTheNeighbourhoodOfLitDotsOnlyWhenOn)
{
    g_painter = GetParam();
    const QImage plain = paintLetter(12, 2, false);
    const QImage glowing = paintLetter(12, 2, true);
    const QImage plainAgain = paintLetter(12, 2, false);
    EXPECT_EQ(plain, plainAgain);

    // Between the lit dots of the A's middle row and just above the board: brighter with glow.
    const int beside = static_cast<int>((10 + 12 * 1.0) * 2);
    const int middleRow = static_cast<int>((10 + 12 * 3.5) * 2);
    EXPECT_GT(glowing.pixelColor(beside, middleRow).red(), plain.pixelColor(beside, middleRow).red());
    EXPECT_GT(glowing.pixelColor(60, 19).red(), plain.pixelColor(60, 19).red());
    // Far from any dot nothing changes.
    EXPECT_EQ(glowing.pixelColor(2, 2), plain.pixelColor(2, 2));

    // A board without lit dots looks the same either way.
    EXPECT_EQ(paintLetter(12, 2, true, midnight(), " "), paintLetter(12, 2, false, midnight(), " "));
}

TEST(DotPainter, ScenesPaintIntoAnyRectangleOfAnyDevice)
{
    const DotScene scene {{TextBlock {{"OK"}, 2, 1, DotAlignment::center()}}, 0, 0};
    QImage image(QSize(220, 140) * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(100, 0);
    paintScene(painter, scene, midnight(), true, QRectF(10, 0, 110, 70));
    painter.end();
    // The O's left column, row 3, lies at x = 100 + 10 + 5 = 115, y = 35 points.
    EXPECT_TRUE(near(image.pixelColor(230, 70), Qt::white));
    EXPECT_TRUE(near(image.pixelColor(60, 70), Qt::black)) << "left of the translated rectangle";
}

INSTANTIATE_TEST_SUITE_P(BothPainters, DotPainterProbes, ::testing::Values(Painter::vector, Painter::raster),
    [](const auto& instance) { return instance.param == Painter::vector ? "vector" : "raster"; });

// The two painters antialias dot edges a little differently, the more so the more of the image is dot
// edges; a shifted or missing layer would move the mean difference by several levels.
void expectAlike(const QImage& vector, const QImage& raster, double meanTolerance = 1.0)
{
    long long total = 0;
    int worst = 0;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb a = vector.pixel(x, y);
            const QRgb b = raster.pixel(x, y);
            const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                std::abs(qBlue(a) - qBlue(b))});
            total += difference;
            worst = std::max(worst, difference);
        }
    }
    EXPECT_LT(static_cast<double>(total) / (raster.width() * raster.height()), meanTolerance);
    EXPECT_LE(worst, 40) << "only at antialiased edges";
}

// The rasteriser must give the picture the path painter gives, up to antialiasing details.
TEST(DotPainter, RasterisedScenesMatchThePathPainter)
{
    const DotScene scene {{TextBlock {{"Zurich 09:41", "TOKYO 4:41P"}, 12, 1, DotAlignment::leading()},
                              BarBlock {0.37, 12, 0.45, DotAlignment::center()}},
        8, 16};
    for (ThemeID id : {ThemeID::midnight, ThemeID::paper, ThemeID::phosphor}) {
        for (double ratio : {1.0, 2.6}) {
            for (bool glow : {false, true}) {
                const DotTheme& theme = themeTable()[id];
                SCOPED_TRACE(
                    ::testing::Message() << theme.name << " at " << ratio << (glow ? " with glow" : ""));
                const QRectF card(0, 0, 344, 164);
                QImage vector((card.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
                vector.setDevicePixelRatio(ratio);
                vector.fill(toQColor(theme.background));
                QImage raster = vector;
                {
                    QPainter painter(&vector);
                    for (const BoardLayers& board : sceneLayers(scene, {0, 0, 344, 164}))
                        paintBoard(painter, board, theme, glow);
                }
                {
                    QPainter painter(&raster);
                    paintScene(painter, scene, theme, glow, card);
                }
                expectAlike(vector, raster);
            }
        }
    }
}

// Writing in place, the rasteriser must stop at the image's edges: a scene (and its glow) reaching
// past every side of a small image gives there what the same scene gives inside a large one.
TEST(DotPainter, RasterisingStopsAtTheEdgesOfTheImage)
{
    const DotScene scene {{TextBlock {{"WWWWWWWW", "88888888"}, 12, 1, DotAlignment::center()}}, 0, 0};
    const QRect window(38, 82, 120, 70); // whole device pixels at both ratios
    for (double ratio : {1.0, 1.5}) {
        SCOPED_TRACE(ratio);
        const auto paint = [&](QSize size, QPoint origin) {
            QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::black);
            QPainter painter(&image);
            const std::vector<BoardLayers> boards
                = sceneLayers(scene, {double(origin.x()), double(origin.y()), 400, 200});
            EXPECT_TRUE(rasterizeScene(painter, boards, midnight(), kGlowRadius));
            return image;
        };
        const QImage whole = paint({400, 200}, {0, 0});
        const QImage cut = paint(window.size(), -window.topLeft());
        const QImage expected
            = whole.copy(QRectF(QPointF(window.topLeft()) * ratio, QSizeF(window.size()) * ratio).toRect());
        expectAlike(expected, cut, 0.01);
    }
}

TEST(DotPainter, SceneRasterisingHonoursClipsAndFallsBackUnderRotation)
{
    const DotScene scene {{TextBlock {{"88"}, 2, 1, DotAlignment::center()}}, 0, 0};
    QImage clipped(220, 140, QImage::Format_ARGB32_Premultiplied);
    clipped.fill(Qt::black);
    {
        QPainter painter(&clipped);
        painter.setClipRect(0, 0, 55, 140);
        paintScene(painter, scene, midnight(), true, QRectF(0, 0, 220, 140));
    }
    EXPECT_NE(clipped.pixelColor(30, 10), QColor(Qt::black)) << "inside the clip";
    EXPECT_EQ(clipped.pixelColor(160, 70), QColor(Qt::black)) << "outside the clip";

    QImage turned(220, 220, QImage::Format_ARGB32_Premultiplied);
    turned.fill(Qt::black);
    QPainter painter(&turned);
    painter.translate(110, 110);
    painter.rotate(90);
    EXPECT_FALSE(rasterizeScene(painter, sceneLayers(scene, {-110, -70, 220, 140}), midnight(), 0));
    paintScene(painter, scene, midnight(), false, QRectF(-110, -70, 220, 140));
    painter.end();
    EXPECT_NE(turned, QImage(220, 220, QImage::Format_ARGB32_Premultiplied)) << "the path painter drew it";
}

} // namespace
} // namespace quillon
