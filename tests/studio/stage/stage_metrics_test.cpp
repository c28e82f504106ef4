// How big the card is on the stage, and the springs that move it.
#include "studio/controls/spring.h"
#include "studio/stage/stage_metrics.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(StageScale, FitsTheCardToTheStageWithinItsLimits)
{
    struct Case {
        DotSizeF stage;
        DotSize size;
        bool fullView;
        double expected;
        double controlBarHeight = 0;
    };
    const Case cases[] = {
        {{1000, 700}, DotSize::medium, false, 1000 * 0.78 / 344}, // width-limited: about 2.27
        {{1000, 700}, DotSize::medium, true, 1000 * 0.9 / 344}, // about 2.62
        {{1000, 180}, DotSize::medium, false, 0.3}, // less than the reserve
        {{5000, 5000}, DotSize::small, false, 2.6}, {{5000, 5000}, DotSize::small, true, 4.0},
        {{1000, 700}, DotSize::large, false, (700.0 - 190) / 344}, // height-limited
        // A bar of one row (42 points) fits in the usual reserve; one of two rows (90) takes more.
        {{1000, 700}, DotSize::large, false, (700.0 - 190) / 344, 42},
        {{1000, 700}, DotSize::large, false, (700.0 - 2 * (90 + 22 + 12)) / 344, 90},
        {{1000, 700}, DotSize::large, true, (700.0 - 80) / 344, 90}, // full view has no bar
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.stage.width << "x" << c.stage.height
                                          << (c.fullView ? " full" : "") << " bar " << c.controlBarHeight);
        EXPECT_NEAR(stageScale(c.stage, c.size, c.fullView, c.controlBarHeight), c.expected, 1e-12);
    }
}

// The card is centred on the stage and the bar stands kControlBarMargin above its bottom: above the
// smallest scale, the card ends at least kCardToControlBarGap above the bar, however tall it is.
TEST(StageScale, TheCardLeavesTheControlBarItsRoom)
{
    for (DotSize size : kAllDotSizes) {
        for (double height = 200; height <= 1200; height += 10) {
            for (double bar : {0.0, 37.0, 42.0, 90.0, 140.0}) {
                const double scale = stageScale({2000, height}, size, false, bar);
                if (scale <= kMinStageScale)
                    continue;
                const double cardBottom = (height + widgetPointSize(size).height * scale) / 2;
                EXPECT_LE(cardBottom, height - kControlBarMargin - bar - kCardToControlBarGap + 1e-9)
                    << rawValue(size) << " on a stage " << height << " high, bar " << bar;
            }
        }
    }
}

TEST(Spring, StartsAtZeroSettlesAtOneAndOnlyUnderdampedOnesOvershoot)
{
    for (const Spring& spring : {kFullViewSpring, kSelectionSpring, kCardChangeSpring}) {
        SCOPED_TRACE(spring.response);
        EXPECT_EQ(spring.progress(0), 0);
        EXPECT_NEAR(spring.progress(spring.settlingSeconds()), 1, 0.002);
        double peak = 0;
        for (double t = 0; t < 2; t += 0.005)
            peak = std::max(peak, spring.progress(t));
        if (spring.dampingFraction >= 1)
            EXPECT_LE(peak, 1.0);
        else
            EXPECT_GT(peak, 1.0);
    }
}

} // namespace
} // namespace quillon
