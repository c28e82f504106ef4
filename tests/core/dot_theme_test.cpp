// Theme identifiers and the theme table.
#include "core/dot_theme.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace quillon {
namespace {

TEST(ThemeID, RawValuesRoundTripAndAreCaseSensitive)
{
    for (ThemeID theme : kAllThemeIDs)
        EXPECT_EQ(themeIDFromRawValue(rawValue(theme)), theme) << rawValue(theme);
    for (const char* notAnID : {"Sky", "SKY", "sky ", "", "neon"})
        EXPECT_EQ(themeIDFromRawValue(notAnID), std::nullopt) << notAnID;
}

TEST(ThemeTable, NamesAreTheCapitalisedRawValues)
{
    for (ThemeID theme : kAllThemeIDs) {
        std::string expected(rawValue(theme));
        expected[0] = static_cast<char>(expected[0] - 'a' + 'A');
        EXPECT_EQ(themeTable()[theme].name, expected);
    }
}

TEST(ThemeTable, UnlitDotsAreFaintGhostsOfLitOnes)
{
    for (ThemeID theme : kAllThemeIDs) {
        const DotTheme& colours = themeTable()[theme];
        SCOPED_TRACE(colours.name);
        EXPECT_GE(colours.unlit.opacity, 0.08);
        EXPECT_LE(colours.unlit.opacity, 0.18);
        EXPECT_EQ(colours.lit.opacity, 1.0);
        EXPECT_EQ(colours.background.opacity, 1.0);
        EXPECT_EQ(colours.chrome.opacity, 1.0);
        const DotColor hue = theme == ThemeID::paper ? DotColor {0, 0, 0} : colours.lit;
        EXPECT_EQ((DotColor {colours.unlit.red, colours.unlit.green, colours.unlit.blue}), hue);
        EXPECT_EQ(colours.chrome, hue);
        // A dark theme has a dark panel behind light dots, a light theme the reverse.
        EXPECT_EQ(colours.isDark,
            colours.background.red + colours.background.green + colours.background.blue < 3 * 128);
    }
}

TEST(ThemeTable, FirstUseFromManyThreadsSeesOneTable)
{
    std::vector<const ThemeTable*> seen(8);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < seen.size(); ++index)
        threads.emplace_back([&, index] { seen[index] = &themeTable(); });
    for (auto& thread : threads)
        thread.join();
    for (const ThemeTable* table : seen) {
        EXPECT_EQ(table, seen.front());
        EXPECT_EQ((*table)[ThemeID::phosphor].name, "Phosphor");
    }
}

} // namespace
} // namespace quillon
