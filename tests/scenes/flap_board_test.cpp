// The split-flap animation: when cells flip, and what they show meanwhile.
#include "scenes/flap_animation.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(FlapBoard, ANewThreeCellBoardCascadesFromTheRightWithTheseWindows)
{
    FlapBoard board(3);
    board.update({"abc"}, 1000.0);
    const FlipWindow expected[] = {{1000.056, 1000.8294}, {1000.028, 1000.7915}, {1000.0, 1000.8649}};
    for (std::size_t cell = 0; cell < 3; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_NEAR(board.windows()[0][cell].start, expected[cell].start, 1e-9);
        EXPECT_NEAR(board.windows()[0][cell].end, expected[cell].end, 1e-9);
    }
    EXPECT_NEAR(board.animatingUntil(), 1000.8649, 1e-9);
    EXPECT_EQ(board.targets(), std::vector<std::u32string> {U"ABC"});

    EXPECT_EQ(board.lines(1000.5), std::vector<std::string> {"VLV"});
    EXPECT_EQ(board.lines(1000.9), std::vector<std::string> {"ABC"});
    EXPECT_EQ(board.lines(999.99), std::vector<std::string> {"ABC"})
        << "before a window opens the new text shows";
}

TEST(FlapBoard, OnlyChangedCellsFlipAndTheSameLinesScheduleNothing)
{
    FlapBoard board(20);
    board.update({"abcdefghijklmnopqrst"}, 500.0);
    const auto before = board.windows();
    board.update({"abcdefghijklmnopqrst"}, 900.0);
    EXPECT_EQ(board.windows(), before);

    board.update({"Xbcdefghijklmnopqrst"}, 1000.0);
    EXPECT_NEAR(board.windows()[0][0].start, 1000.532, 1e-9);
    for (std::size_t cell = 1; cell < 20; ++cell)
        EXPECT_EQ(board.windows()[0][cell], before[0][cell]) << cell;
    EXPECT_EQ(board.lines(1000.3).front(), "XBCDEFGHIJKLMNOPQRST");
    EXPECT_GE(board.animatingUntil(), 1000.532 + 0.45);
}

TEST(FlapBoard, UpdatesMidFlipKeepUnchangedWindowsAndNeverShortenTheAnimation)
{
    FlapBoard board(4);
    board.update({"ab"}, 100.0);
    const double until = board.animatingUntil();
    const FlipWindow first = board.windows()[0][0];
    board.update({"ac  "}, 100.2);
    EXPECT_EQ(board.windows()[0][0], first) << "the A is unchanged and keeps flipping";
    EXPECT_NEAR(board.windows()[0][1].start, 100.2 + 0.028 * 2, 1e-9);
    EXPECT_GE(board.animatingUntil(), until);

    board.update({"Ça va, longer than four"}, 200.0);
    EXPECT_EQ(board.targets(), std::vector<std::u32string> {U"CA V"}) << "cut, upper-cased, unaccented";
    board.update({}, 300.0);
    EXPECT_TRUE(board.lines(300.1).empty());
}

TEST(FlapAnimation, ANewLineMakesANewBoardAndBarsAreLeftAlone)
{
    FlapAnimation animation;
    const DotScene one {
        {TextBlock {{"AB"}, 2, 1, DotAlignment::center()}, BarBlock {0.5, 2, 1, DotAlignment::center()}}, 0,
        0};
    const double until = animation.sync(one, 50.0);
    EXPECT_GT(until, 50.45);
    EXPECT_TRUE(animation.flipsAfter(50.3));
    EXPECT_FALSE(animation.flipsAfter(51.0));
    EXPECT_EQ(animation.sync(one, 60.0), 60.0) << "nothing changed, nothing flips";
    EXPECT_EQ(animation.animatedScene(one, 60.0), fitted(one));

    const DotScene two {{TextBlock {{"AB", "CD"}, 2, 1, DotAlignment::center()},
                            BarBlock {0.5, 2, 1, DotAlignment::center()}},
        0, 0};
    animation.sync(two, 70.0);
    const DotScene during = animation.animatedScene(two, 70.3);
    const auto& lines = std::get<TextBlock>(during.blocks[0]).lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines, (std::vector<std::string> {"AB", "CD"})) << "both lines of the new board flip";
    EXPECT_EQ(during.blocks[1], two.blocks[1]);
    EXPECT_EQ(animation.animatedScene(two, 72.0), fitted(two));
}

// A new card comes in whole: after a restart, a line that reads as before flips in as well,
// where an ordinary update leaves it still.
TEST(FlapAnimation, AfterARestartEveryCellFlipsInEvenWhereTheTextIsTheSame)
{
    const DotScene before {{TextBlock {{"AB", "CD"}, 2, 1, DotAlignment::center()}}, 0, 0};
    const DotScene after {{TextBlock {{"AB", "XY"}, 2, 1, DotAlignment::center()}}, 0, 0};
    const auto firstLineAt = [&](FlapAnimation& animation, double t) {
        return std::get<TextBlock>(animation.animatedScene(after, t).blocks[0]).lines.front();
    };
    FlapAnimation updated;
    updated.sync(before, 10.0);
    updated.sync(after, 20.0);
    EXPECT_EQ(firstLineAt(updated, 20.1), "AB") << "an update leaves a line that did not change alone";

    FlapAnimation restarted;
    restarted.sync(before, 10.0);
    restarted.restart();
    EXPECT_GT(restarted.sync(after, 20.0), 20.4);
    EXPECT_NE(firstLineAt(restarted, 20.1), "AB");
    EXPECT_EQ(firstLineAt(restarted, 22.0), "AB");
}

// However wide the board, a line's cells all start flipping within the cascade's bound, so a
// title thousands of cells wide does not keep the card redrawing for minutes.
TEST(FlapBoard, AVeryWideBoardStillSettlesWithinTheCascadeBound)
{
    FlapBoard wide(3334);
    wide.update({std::string(3334, 'A'), std::string(3334, 'B'), std::string(3334, 'C')}, 100.0);
    const double longest
        = FlapBoard::kMaxCascade + 2 * FlapBoard::kLineDelay + FlapBoard::kMinFlip + FlapBoard::kFlipSpread;
    EXPECT_LE(wide.animatingUntil(), 100.0 + longest + 1e-9);
    EXPECT_GT(wide.animatingUntil(), 100.0 + FlapBoard::kMaxCascade);
    // A board of a display's usual width keeps its cascade as it was.
    FlapBoard usual(26);
    usual.update({std::string(26, 'A')}, 100.0);
    EXPECT_DOUBLE_EQ(usual.windows()[0][0].start, 100.0 + 25 * FlapBoard::kCellDelay);
}

} // namespace
} // namespace quillon
