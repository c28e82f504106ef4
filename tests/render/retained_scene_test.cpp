// Kept pixels brought up to date frame by frame against the same frames drawn whole by paintScene,
// through a whole cascade; what they say changed against what did.
#include "render/retained_scene.h"

#include "render/dot_changes.h"
#include "render/dot_painter.h"
#include "scenes/flap_animation.h"
#include "scenes/scene_geometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr QSizeF kCard(344, 164);

DotScene worldBoard(const std::vector<std::string>& lines)
{
    return DotScene {{TextBlock {lines, 17, 1, DotAlignment::center()}}, 8, 16};
}

// An image of a format the rasteriser does not draw into directly, so that paintScene goes through
// an offscreen image and draws it, as it does on a window.
QImage cardImage(double pixelRatio, const DotTheme& theme)
{
    QImage image((kCard * pixelRatio).toSize(), QImage::Format_RGBA8888_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(toQColor(theme.background));
    return image;
}

QImage paintedWhole(const DotScene& scene, double pixelRatio, const DotTheme& theme, bool glow)
{
    QImage image = cardImage(pixelRatio, theme);
    QPainter painter(&image);
    paintScene(painter, scene, theme, glow, QRectF(QPointF(0, 0), kCard));
    return image;
}

struct Kept {
    QImage image;
    std::optional<QRegion> changed;
};

Kept paintedFromKept(
    RetainedScene& pixels, const DotScene& scene, double pixelRatio, const DotTheme& theme, bool glow)
{
    Kept kept {cardImage(pixelRatio, theme), {}};
    QPainter painter(&kept.image);
    kept.changed = pixels.update(sceneLayers(fitted(scene), {0, 0, kCard.width(), kCard.height()}), theme,
        glow ? 3.0 : 0.0, painter.deviceTransform());
    pixels.draw(painter);
    return kept;
}

// The first pixel where two images differ, or nothing.
std::optional<QPoint> firstDifference(const QImage& one, const QImage& other)
{
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

TEST(RetainedScene, EveryFrameOfACascadeIsTheFrameDrawnWhole)
{
    const DotTheme& theme = themeTable()[ThemeID::midnight];
    // Minutes turning over, a city replaced and a line added: cells flip alone, in runs and all at once.
    const DotScene before = worldBoard({"10:52P LOS ANGELES", " 1:52A NEW YORK", " 6:52A LONDON"});
    const DotScene after
        = worldBoard({"10:53P LOS ANGELES", " 1:53A TORONTO", " 6:53A LONDON", "3:53P TOKYO"});
    const DotScene settled
        = worldBoard({"10:53P LOS ANGELES", " 1:53A TORONTO", " 6:53A LONDON", "3:53P TOKYO"});
    for (double pixelRatio : {1.0, 2.0}) {
        for (bool glow : {false, true}) {
            SCOPED_TRACE(
                testing::Message() << "pixel ratio " << pixelRatio << (glow ? ", glow" : ", no glow"));
            FlapAnimation animation;
            const double start = 800000000;
            animation.sync(
                worldBoard({"10:52P LOS ANGELES", " 1:52A NEW YORK", " 6:52A LONDON", "3:52P TOKYO"}),
                start - 20);
            animation.sync(before, start - 10);
            const double end = animation.sync(after, start);
            RetainedScene pixels;
            QImage previous;
            int partialFrames = 0;
            int frames = 0;
            for (double t = start - 1.0 / 30; t < end + 0.1; t += 1.0 / 30, ++frames) {
                const DotScene frame = animation.animatedScene(after, t);
                const Kept kept = paintedFromKept(pixels, frame, pixelRatio, theme, glow);
                const QImage whole = paintedWhole(frame, pixelRatio, theme, glow);
                ASSERT_TRUE(kept.changed) << "frame " << frames;
                const std::optional<QPoint> wrong = firstDifference(kept.image, whole);
                ASSERT_FALSE(wrong) << "frame " << frames << " differs at " << wrong->x() << ", "
                                    << wrong->y();

                if (!previous.isNull()) {
                    const QRegion changed = *kept.changed;
                    if (changed.boundingRect() != pixels.area())
                        ++partialFrames;
                    for (int y = 0; y < whole.height(); ++y) {
                        for (int x = 0; x < whole.width(); ++x) {
                            ASSERT_TRUE(
                                whole.pixel(x, y) == previous.pixel(x, y) || changed.contains(QPoint(x, y)))
                                << "frame " << frames << " changed " << x << ", " << y
                                << " outside what it said";
                        }
                    }
                }
                previous = whole;
            }
            // Most frames change a few cells: if every one were drawn whole, nothing above tested the rest.
            EXPECT_GT(partialFrames, frames / 2)
                << partialFrames << " of " << frames << " frames redrew part";
            EXPECT_EQ(paintedFromKept(pixels, settled, pixelRatio, theme, glow).changed, QRegion())
                << "the settled board changed again";
        }
    }
}

TEST(RetainedScene, AnotherThemeScaleOrLayoutIsDrawnWhole)
{
    const DotScene scene = worldBoard({"10:52P LOS ANGELES"});
    RetainedScene pixels;
    const auto drawnWhole = [&pixels](const Kept& kept) { return kept.changed == QRegion(pixels.area()); };
    EXPECT_TRUE(drawnWhole(paintedFromKept(pixels, scene, 1, themeTable()[ThemeID::midnight], true)));
    EXPECT_EQ(paintedFromKept(pixels, scene, 1, themeTable()[ThemeID::midnight], true).changed, QRegion());
    EXPECT_TRUE(drawnWhole(paintedFromKept(pixels, scene, 1, themeTable()[ThemeID::amber], true)));
    EXPECT_TRUE(drawnWhole(paintedFromKept(pixels, scene, 1, themeTable()[ThemeID::amber], false)));
    EXPECT_TRUE(drawnWhole(paintedFromKept(pixels, scene, 2, themeTable()[ThemeID::amber], false)));
    const Kept wider
        = paintedFromKept(pixels, worldBoard({"10:52P LOS ANGELES", "SAN FRANCISCO AND OAKLAND"}), 2,
            themeTable()[ThemeID::amber], false);
    EXPECT_TRUE(drawnWhole(wider));
    EXPECT_FALSE(firstDifference(wider.image,
        paintedWhole(worldBoard({"10:52P LOS ANGELES", "SAN FRANCISCO AND OAKLAND"}), 2,
            themeTable()[ThemeID::amber], false)));
}

TEST(RetainedScene, OnlyAPlainScaleIsKept)
{
    RetainedScene pixels;
    const std::vector<BoardLayers> boards
        = sceneLayers(worldBoard({"10:52P LOS ANGELES"}), {0, 0, kCard.width(), kCard.height()});
    EXPECT_TRUE(pixels.update(boards, themeTable()[ThemeID::midnight], 3.0, QTransform::fromScale(2, 2)));
    EXPECT_FALSE(pixels.update(boards, themeTable()[ThemeID::midnight], 3.0, QTransform().rotate(10)));
    EXPECT_TRUE(pixels.image().isNull()) << "the last frame's pixels are still there to be shown";
    EXPECT_FALSE(pixels.update(boards, themeTable()[ThemeID::midnight], 3.0, QTransform::fromScale(2, 1)));
    EXPECT_TRUE(pixels.update(boards, themeTable()[ThemeID::midnight], 3.0, QTransform::fromScale(2, 2)));
}

TEST(DotChanges, DotsOutOfOrderAskForTheWholeBoard)
{
    const BoardLayers board
        = boardLayers(DotGrid::text(std::vector<std::string> {"AB"}, 2, 3), {0, 0, 110, 70});
    BoardLayers lit = boardLayers(DotGrid::text(std::vector<std::string> {"AC"}, 2, 3), {0, 0, 110, 70});
    const std::optional<std::vector<DotRect>> changes = changedDots(board, lit);
    ASSERT_TRUE(changes);
    // "B" and "C" share some dots; each dot that differs is listed once as lit and once as unlit.
    EXPECT_FALSE(changes->empty());
    EXPECT_EQ(changes->size() % 2, 0U);
    for (const DotRect& dot : *changes)
        EXPECT_GT(dot.x, 110.0 * 6 / 11 - 1) << "a dot of the unchanged A";
    std::swap(lit.litDots.front(), lit.litDots.back());
    EXPECT_FALSE(changedDots(board, lit));
}

} // namespace
} // namespace quillon
