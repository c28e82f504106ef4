// Which links open the studio on a kind.
#include "scenes/widget_link.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(WidgetLink, OnlyExactSchemeHostAndKindAreTaken)
{
    const std::pair<std::string, std::optional<DotWidgetKind>> cases[] = {
        {"quillon://widget/countdown", DotWidgetKind::countdown},
        {"quillon://widget/worldBoard", DotWidgetKind::worldBoard},
        {"quillon://widget/countdown/", DotWidgetKind::countdown},
        {"quillon://widget/extra/sign", DotWidgetKind::sign}, // the last component counts
        {"quillon://widget/sign?from=desktop#top", DotWidgetKind::sign},
        {"quillon://widget/cl%6Fck", DotWidgetKind::clock}, // escapes are decoded
        {"quillon://widget/Countdown", std::nullopt}, {"quillon://widgets/countdown", std::nullopt},
        {"quillon://Widget/countdown", std::nullopt}, {"Quillon://widget/countdown", std::nullopt},
        {"https://widget/countdown", std::nullopt}, {"quillon://widget", std::nullopt},
        {"quillon://widget/", std::nullopt}, {"quillon://widget/cl%6", std::nullopt},
        {"quillon://widget/countdown%00", std::nullopt}, {"quillon:widget/countdown", std::nullopt},
        {"", std::nullopt}, {"quillon://widget/" + std::string(100000, 'x'), std::nullopt},
        {"quillon://widget/" + std::string(kMaxLinkLength, '/') + "sign", std::nullopt}, // too long to read
    };
    for (const auto& [link, expected] : cases) {
        SCOPED_TRACE(link.substr(0, 80));
        EXPECT_EQ(kindFromWidgetLink(link), expected);
    }
    for (DotWidgetKind kind : kAllWidgetKinds)
        EXPECT_EQ(kindFromWidgetLink(widgetLink(kind)), kind);
}

TEST(WidgetLink, OfManyLinksTheLastThatNamesAKindIsTaken)
{
    std::vector<std::string> links(1000, "quillon://widget/sign");
    links.push_back("quillon://widget/clock");
    links.push_back("https://example.com/");
    links.push_back("quillon://widget/nothing");
    EXPECT_EQ(kindFromLastWidgetLink(links), DotWidgetKind::clock);
    EXPECT_EQ(kindFromLastWidgetLink({"quillon://widget/bogus", ""}), std::nullopt);
    EXPECT_EQ(kindFromLastWidgetLink({}), std::nullopt);
}

} // namespace
} // namespace quillon
