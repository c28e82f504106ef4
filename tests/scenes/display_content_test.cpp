// Building any display from its content: how city ids are resolved.
#include "scenes/display_content.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::calendarIn;

const Instant kNoon = testing::utcInstant(2026, 12, 5, 12);

std::vector<std::string> lines(const DotScene& scene, std::size_t block = 0)
{
    return std::get<TextBlock>(scene.blocks.at(block)).lines;
}

TEST(SceneForKind, UnknownBoardCitiesAreSkippedAndLocalIsTheCalendarsZone)
{
    DisplayContent content = DisplayContent::defaults(kNoon, calendarIn("Asia/Kathmandu"));
    content.boardCityIDs = {"atlantis", "tokyo", "local", "Tokyo"};
    const DotScene board = sceneForKind(
        DotWidgetKind::worldBoard, DotSize::large, content, kNoon, calendarIn("Asia/Kathmandu"));
    EXPECT_EQ(lines(board), (std::vector<std::string> {"21:00 Tokyo", "17:45 Kathmandu"}));
}

TEST(SceneForKind, AnUnknownClockCityIsTheMachinesOwn)
{
    DisplayContent content = DisplayContent::defaults(kNoon, calendarIn("Europe/Paris"));
    content.clockCityID = "atlantis";
    const DotScene clock
        = sceneForKind(DotWidgetKind::clock, DotSize::small, content, kNoon, calendarIn("Europe/Paris"));
    EXPECT_EQ(lines(clock, 0), std::vector<std::string> {"Paris"});
    EXPECT_EQ(lines(clock, 1), std::vector<std::string> {"13:00"});
}

TEST(DisplayContent, DefaultsCountDownToTheNextNewYearInTheCalendarsZone)
{
    const DisplayContent content = DisplayContent::defaults(kNoon, calendarIn("UTC"));
    EXPECT_EQ(content.countdownDate.secondsSinceReferenceDate, 820454400);
    EXPECT_EQ(content.boardCityIDs,
        (std::vector<std::string> {"los-angeles", "new-york", "london", "dubai", "tokyo"}));
    EXPECT_EQ(DisplayContent::defaults(kNoon, calendarIn("Pacific/Auckland")).countdownDate,
        testing::utcInstant(2026, 12, 31, 11));
}

} // namespace
} // namespace quillon
