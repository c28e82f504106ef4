// Folding, upper-casing, UTF conversion and grapheme clusters.
#include "platform/text/grapheme_clusters.h"
#include "platform/text/text_folding.h"
#include "platform/text/utf.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace quillon::text {
namespace {

std::string folded(std::string_view utf8)
{
    return utf8FromUtf16(foldCaseAndDiacritics(utf16FromUtf8(utf8)));
}

std::string upper(std::string_view utf8)
{
    return utf8FromUtf16(upperCased(utf16FromUtf8(utf8)));
}

std::vector<std::string> clusters(std::string_view utf8)
{
    std::vector<std::string> result;
    forEachGraphemeCluster(
        utf16FromUtf8(utf8), [&](std::u16string_view cluster) { result.push_back(utf8FromUtf16(cluster)); });
    return result;
}

TEST(TextFolding, RemovesCaseAndAccentsOfLatinLetters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"caf\u00E9", "cafe"},
        {"\u00C9COLE", "ecole"},
        {"e\u0301t\u00E9", "ete"}, // decomposed and precomposed accents alike
        {"Stra\u00DFe", "strasse"},
        {"\u00D8resund \u0141\u00F3d\u017A", "oresund lodz"},
        {"\u1EC6", "e"}, // two stacked marks
        {"\uFB01", "fi"},
        {"\u039A\u03CC\u03C3\u03BC\u03BF\u03C2",
            "\u03BA\u03BF\u03C3\u03BC\u03BF\u03C3"}, // Greek keeps its letters
        {"TOKYO 12:30", "tokyo 12:30"},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(folded(input), expected);
    }
}

TEST(TextFolding, UpperCasesWithFullMappings)
{
    const std::pair<const char*, const char*> cases[] = {
        {"stra\u00DFe", "STRASSE"},
        {"istanbul", "ISTANBUL"}, // no Turkish dotted capital I outside a Turkish locale
        {"\u01F0", "J\u030C"}, // one letter becomes a letter and a mark
        {"\u00E9t\u00E9", "\u00C9T\u00C9"},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(upper(input), expected);
    }
}

TEST(GraphemeClusters, CountUserPerceivedCharacters)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"ab", {"a", "b"}},
        {"e\u0301x", {"e\u0301", "x"}},
        {"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA", {"\U0001F1EB\U0001F1F7", "\U0001F1E9\U0001F1EA"}},
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467!", {"\U0001F468\u200D\U0001F469\u200D\U0001F467", "!"}},
        {"a\r\nb", {"a", "\r\n", "b"}},
        {"", {}},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(clusters(input), expected);
    }
}

TEST(Utf, IllFormedInputBecomesOneReplacementCharacterPerMaximalSubpart)
{
    const std::pair<std::string, std::u16string> cases[] = {
        {"a\xE2\x82", u"a\uFFFD"}, // truncated three-byte sequence
        {"\xFF\xFE", u"\uFFFD\uFFFD"}, // bytes that never start a sequence
        {"\x80x", u"\uFFFDx"}, // stray continuation byte
        {"\xC0\xAF", u"\uFFFD\uFFFD"}, // overlong encoding of "/"
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(input));
        EXPECT_EQ(utf16FromUtf8(input), expected);
    }
}

TEST(Utf, RoundTripsWellFormedTextAndReplacesUnpairedSurrogates)
{
    const std::string text = "A\u00E9\u20AC\U0001F600";
    EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(text)), text);
    EXPECT_EQ(utf8FromUtf32(U"A\u00E9\u20AC\U0001F600"), text);
    EXPECT_EQ(utf8FromUtf16(std::u16string(u"x") + char16_t(0xD800)), "x\uFFFD");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDC00)) + u"y"), "\uFFFDy");
}

TEST(Utf, CutsOversizedInputAtACharacterBoundary)
{
    std::string huge(kMaxTextBytes - 1, 'a');
    huge += "\u00E9\u00E9"; // the limit falls inside the first two-byte character
    const std::u16string converted = utf16FromUtf8(huge);
    ASSERT_EQ(converted.size(), kMaxTextBytes - 1);
    EXPECT_EQ(converted.back(), u'a');
}

TEST(GraphemeClusters, ThreadsWalkTextAtTheSameTime)
{
    const std::u16string text
        = utf16FromUtf8("caf\u00E9 \U0001F1EB\U0001F1F7 e\u0301 \U0001F468\u200D\U0001F469");
    std::vector<std::size_t> counts(8);
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < counts.size(); ++index) {
        threads.emplace_back([&, index] {
            for (int round = 0; round < 200; ++round) {
                std::size_t count = 0;
                forEachGraphemeCluster(text, [&](std::u16string_view) { ++count; });
                counts[index] = count;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (std::size_t count : counts)
        EXPECT_EQ(count, 10u);
}

} // namespace
} // namespace quillon::text
