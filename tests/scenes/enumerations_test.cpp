// Kinds, sizes and periods: raw values, titles and the sizes each kind is offered in.
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon {
namespace {

TEST(Enumerations, RawValuesRoundTripAndAnythingElseIsNoCase)
{
    for (DotWidgetKind kind : kAllWidgetKinds)
        EXPECT_EQ(widgetKindFromRawValue(rawValue(kind)), kind);
    for (DotSize size : kAllDotSizes)
        EXPECT_EQ(dotSizeFromRawValue(rawValue(size)), size);
    for (ProgressPeriod period : kAllProgressPeriods)
        EXPECT_EQ(progressPeriodFromRawValue(rawValue(period)), period);

    EXPECT_EQ(rawValue(DotWidgetKind::worldBoard), "worldBoard");
    EXPECT_EQ(rawValue(DotSize::extraLarge), "extraLarge");
    for (const char* raw : {"WorldBoard", "world board", "", "Small", "extralarge", "Day"}) {
        EXPECT_EQ(widgetKindFromRawValue(raw), std::nullopt) << raw;
        EXPECT_EQ(dotSizeFromRawValue(raw), std::nullopt) << raw;
        EXPECT_EQ(progressPeriodFromRawValue(raw), std::nullopt) << raw;
    }
}

TEST(Enumerations, OnlyTheBoardLacksSmallAndOnlyBoardAndSignComeExtraLarge)
{
    using Sizes = std::vector<DotSize>;
    const auto sizes = [](DotWidgetKind kind) {
        const auto span = supportedSizes(kind);
        return Sizes(span.begin(), span.end());
    };
    EXPECT_EQ(
        sizes(DotWidgetKind::worldBoard), (Sizes {DotSize::medium, DotSize::large, DotSize::extraLarge}));
    EXPECT_EQ(sizes(DotWidgetKind::sign),
        (Sizes {DotSize::small, DotSize::medium, DotSize::large, DotSize::extraLarge}));
    for (DotWidgetKind kind :
        {DotWidgetKind::clock, DotWidgetKind::day, DotWidgetKind::progress, DotWidgetKind::countdown})
        EXPECT_EQ(sizes(kind), (Sizes {DotSize::small, DotSize::medium, DotSize::large})) << rawValue(kind);
}

TEST(Enumerations, TitlesSymbolsAndComponents)
{
    EXPECT_EQ(title(DotWidgetKind::worldBoard), "World Board");
    EXPECT_EQ(symbolName(DotWidgetKind::progress), "chart.bar.fill");
    EXPECT_EQ(title(DotSize::extraLarge), "Extra Large");
    EXPECT_EQ(calendarComponent(ProgressPeriod::week), CalendarUnit::weekOfYear);
    EXPECT_EQ(calendarComponent(ProgressPeriod::year), CalendarUnit::year);
}

} // namespace
} // namespace quillon
