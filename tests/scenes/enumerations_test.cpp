// Kinds, sizes and periods: raw values and the sizes each kind is offered in.
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

} // namespace
} // namespace quillon
