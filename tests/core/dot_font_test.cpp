// The dot font's glyphs and the normalisation of display text.
#include "core/dot_font.h"

#include "platform/text/utf.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace quillon {
namespace {

const std::u32string kEveryKey
    = U" ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:-+.,/'\u00B0%!?#&<>$\u20AC\u00A3\u00A5\u20B9\u25B2\u25BC";

TEST(DotFont, NormalizeFoldsUpperCasesAndBlanksWhatTheFontLacks)
{
    const std::pair<std::string, std::u32string> cases[] = {
        {"caf\u00E9-bar_1", U"CAFE-BAR 1"},
        {"na\u00EFve \U0001F600", U"NAIVE  "}, // the emoji is one character
        {"stra\u00DFe", U"STRASSE"}, // length grows when upper-casing
        {"(x)[y]{z}", U" X  Y  Z "},
        {"e\u0301cole", U"ECOLE"},
        {"\u01F0", U"J"}, // upper-casing would add a mark
        {"\U0001F1EB\U0001F1F7 Paris", U"  PARIS"}, // a flag is one character
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467", U" "},
        {"\u0141\u00F3d\u017A \u00D8rsta", U"LODZ ORSTA"},
        {"\u6771\u4EAC", U"  "},
        {"a\r\nb\tc\n", U"A B C "},
        {"\u00E9\r\nb", U"E B"}, // CR LF is one character on the slow path too
        {"", U""},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(DotFont::normalize(input), expected);
    }
}

TEST(DotFont, IllFormedUtf8CountsAsOneBlankCharacterPerSequence)
{
    const std::pair<std::string, std::u32string> cases[] = {
        {"\xFF", U" "},
        {"A\xC3", U"A "},
        {"\xE2\x82"
         "B",
            U" B"},
        {"\xC0\xAF", U"  "},
        {"\xED\xA0\x80!", U"   !"},
        {std::string("N\0O", 3), U"N O"},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(input));
        EXPECT_EQ(DotFont::normalize(input), expected);
    }
}

TEST(DotFont, EveryKeyIsItsOwnDisplayForm)
{
    ASSERT_EQ(kEveryKey.size(), 59u);
    EXPECT_EQ(DotFont::normalize(text::utf8FromUtf32(kEveryKey)), kEveryKey);
    for (char32_t key : kEveryKey)
        EXPECT_TRUE(DotFont::hasGlyph(key)) << static_cast<std::uint32_t>(key);
}

TEST(DotFont, GlyphsHaveTheirRowsAndUnknownCharactersAreBlank)
{
    // Asymmetric, so that a row read right to left shows.
    EXPECT_EQ(DotFont::glyph(U'\u20AC'),
        (DotGlyph {0b00111, 0b01000, 0b11110, 0b01000, 0b11110, 0b01000, 0b00111}));
    EXPECT_EQ(DotFont::glyph(U'a'), DotGlyph {});
    EXPECT_EQ(DotFont::glyph(U'\U0001F600'), DotGlyph {});
    EXPECT_FALSE(DotFont::hasGlyph(U'_'));
}

TEST(DotFont, FirstUseFromManyThreadsAtOnceAgrees)
{
    std::vector<std::u32string> results(8);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < results.size(); ++index)
        threads.emplace_back([&, index] { results[index] = DotFont::normalize("Z\u00FCrich 9\u00B0"); });
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, U"ZURICH 9\u00B0");
}

} // namespace
} // namespace quillon
