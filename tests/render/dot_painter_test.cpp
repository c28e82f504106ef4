// Painted pixels of dot boards, probed on images: no reference pictures to go stale.
#include "render/dot_painter.h"

#include "core/board_geometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace quillon {
namespace {

const DotTheme& midnight()
{
    return themeTable()[ThemeID::midnight];
}

// One cell "A" on a board of `pitch` points, painted on the theme's background at a pixel ratio.
QImage paintLetter(double pitch, double pixelRatio, bool glow, const DotTheme& theme = midnight(),
                   const char* letter = "A")
{
    const QSizeF points(5 * pitch + 20, 7 * pitch + 20);
    QImage image((points * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(toQColor(theme.background));
    QPainter painter(&image);
    const std::vector<std::string> lines{letter};
    paintBoard(painter, boardLayers(DotGrid::text(lines, 1, 3), {10, 10, 5 * pitch, 7 * pitch}), theme, glow);
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
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

TEST(DotPainter, LitAndUnlitDotsTakeTheirThemeColoursAtAnyPixelRatio)
{
    for (double ratio : {1.0, 2.0, 2.6}) {
        for (ThemeID id : {ThemeID::midnight, ThemeID::paper, ThemeID::amber}) {
            const DotTheme& theme = themeTable()[id];
            SCOPED_TRACE(theme.name.c_str());
            SCOPED_TRACE(ratio);
            const QImage image = paintLetter(20, ratio, false, theme);
            EXPECT_TRUE(near(dotCentre(image, 20, 1, 0), toQColor(theme.lit))) << "lit dot of the A's top row";
            const QColor unlit = dotCentre(image, 20, 0, 0);
            EXPECT_FALSE(near(unlit, toQColor(theme.lit), 40));
            EXPECT_FALSE(near(unlit, toQColor(theme.background), 0)) << "a faint ghost, not nothing";
            EXPECT_TRUE(near(image.pixelColor(1, 1), toQColor(theme.background))) << "no background of its own";
        }
    }
}

TEST(DotPainter, TheGapBetweenCellsShowsTheBackground)
{
    const std::vector<std::string> lines{"HI"};
    const DotGrid grid = DotGrid::text(lines, 2, 3);
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(midnight().background));
    QPainter painter(&image);
    paintBoard(painter, boardLayers(grid, {0, 0, 110, 70}), midnight(), true);
    painter.end();
    // The empty column 5 lies at x 50 to 60; the tiles reach 2.2 points into it from either side.
    EXPECT_TRUE(near(image.pixelColor(55, 35), toQColor(midnight().background), 0));
    EXPECT_FALSE(near(image.pixelColor(48, 20), toQColor(midnight().background), 0)) << "tile edge";
}

TEST(DotPainter, SeamsCrossLargeTilesAndVanishFromSmallOnes)
{
    // Between the dots of row 3, on the seam line, versus between the dots of row 2 (tile only).
    const auto seamAndTile = [](double pitch) {
        const QImage image = paintLetter(pitch, 40 / pitch, false);
        const double ratio = image.devicePixelRatio();
        const int x = static_cast<int>((10 + pitch * 1.0) * ratio); // between columns 0 and 1
        const int seamY = static_cast<int>((10 + pitch * 3.5) * ratio);
        const int tileY = static_cast<int>((10 + pitch * 2.0) * ratio); // between rows 1 and 2
        return std::pair{image.pixelColor(x, seamY), image.pixelColor(x, tileY)};
    };
    const auto [largeSeam, largeTile] = seamAndTile(10);
    EXPECT_FALSE(near(largeSeam, largeTile, 1)) << "the seam darkens the tile";
    const auto [smallSeam, smallTile] = seamAndTile(2);
    EXPECT_TRUE(near(smallSeam, smallTile, 0)) << "no seam below 2.5 points";
}

TEST(DotPainter, GlowLightsTheNeighbourhoodOfLitDotsOnlyWhenOn)
{
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
    const DotScene scene{{TextBlock{{"OK"}, 2, 1, DotAlignment::center()}}, 0, 0};
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

} // namespace
} // namespace quillon
