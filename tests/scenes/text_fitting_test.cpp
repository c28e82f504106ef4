// Breaking titles and messages into lines.
#include "core/dot_grid.h"
#include "scenes/text_fitting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace quillon {
namespace {

using Lines = std::vector<std::string>;

TEST(WrapWords, PacksWordsGreedilyAndBreaksOnlyWordsLongerThanALine)
{
    struct Case {
        const char* text;
        int width;
        int maxLines;
        Lines expected;
    };
    const Case cases[] = {
        {"HAPPY BIRTHDAY TO YOU", 9, 99, {"HAPPY", "BIRTHDAY", "TO YOU"}},
        {"HAPPY BIRTHDAY TO YOU", 4, 99, {"HAPP", "Y", "BIRT", "HDAY", "TO", "YOU"}},
        {"  AB    CD  ", 5, 99, {"AB CD"}},
        {"ONE TWO THREE", 5, 2, {"ONE", "TWO"}},
        {"A\n\nB C", 5, 99, {"A", "", "B C"}},
        {"A\n\n  \n", 5, 99, {"A"}},
        {"", 5, 99, {}},
        {"\u20AC\u20AC\u20AC\u20AC\u20AC", 3, 99, {"\u20AC\u20AC\u20AC", "\u20AC\u20AC"}}, // in characters
        {"\u00A35 \u20AC10", 6, 99, {"\u00A35 \u20AC10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text) + " at " + std::to_string(c.width));
        EXPECT_EQ(wrapWords(c.text, c.width, c.maxLines), c.expected);
    }
}

Lines splitWords(const std::string& text)
{
    std::istringstream stream(text);
    Lines words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// Over many generated texts and widths: no line is longer than the width or has stray spaces, the
// words come back in order (cut into width-sized pieces only when alone too long), and a line ends
// only where the next piece would not have fitted on it.
TEST(WrapWords, KeepsEveryLineWithinTheWidthAndTheWordsInOrder)
{
    std::mt19937 random(20261205);
    const auto draw = [&random](std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random);
    };
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (std::size_t count = draw(0, 12); count > 0; --count) {
            text += std::string(draw(0, 3), ' ');
            for (std::size_t length = draw(1, 15); length > 0; --length)
                text += static_cast<char>('A' + draw(0, 25));
        }
        const std::size_t width = draw(1, 20);
        SCOPED_TRACE(::testing::PrintToString(text) + " at " + std::to_string(width));

        Lines pieces;
        for (std::string word : splitWords(text)) {
            for (; word.size() > width; word.erase(0, width))
                pieces.push_back(word.substr(0, width));
            pieces.push_back(word);
        }
        const Lines lines = wrapWords(text, static_cast<int>(width), 1000);
        Lines found;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            const std::string& line = lines[index];
            ASSERT_FALSE(line.empty());
            EXPECT_LE(line.size(), width) << line;
            EXPECT_TRUE(line.front() != ' ' && line.back() != ' ' && line.find("  ") == std::string::npos)
                << line;
            const Lines words = splitWords(line);
            found.insert(found.end(), words.begin(), words.end());
            if (index + 1 < lines.size() && !lines[index + 1].empty()) {
                EXPECT_GT(line.size() + 1 + splitWords(lines[index + 1]).front().size(), width)
                    << "the next line's first word would have fitted on " << line;
            }
        }
        EXPECT_EQ(found, pieces);

        const std::size_t maxLines = draw(1, 4);
        EXPECT_EQ(wrapWords(text, static_cast<int>(width), static_cast<int>(maxLines)),
            Lines(lines.begin(),
                lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), maxLines))));
    }
}

TEST(FitLines, WidensAsLittleAsPossibleAndBalancesTheLines)
{
    struct Case {
        const char* text;
        int width;
        int maxLines;
        Lines lines;
        int cells;
    };
    const Case cases[] = {
        {"NEW YEAR PARTY NIGHT", 16, 2, {"NEW YEAR", "PARTY NIGHT"}, 16},
        {"AAA BBB CCC DDD", 12, 2, {"AAA BBB", "CCC DDD"}, 12},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 9, 2, {"ABCDEFGHIJKLM", "NOPQRSTUVWXYZ"}, 13},
        {"Welcome to the new office", 9, 3, {"WELCOME TO", "THE NEW", "OFFICE"}, 10},
        // Narrowing never breaks a word that fits the block's cells.
        {"HAPPY BIRTHDAY SARAH", 9, 3, {"HAPPY", "BIRTHDAY", "SARAH"}, 9},
        // ... but words already broken at the width stay broken as narrowing allows.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 12, 3, {"ABCDEFGHI", "JKLMNOPQR", "STUVWXYZ"}, 12},
        {"  Launch \t", 9, 3, {"LAUNCH"}, 9},
        {"Caf\u00E9 \U0001F600", 9, 3, {"CAFE"}, 9}, // folded; a glyph-less end is trimmed away
        {"HAPPY\nBIRTHDAY", 16, 2, {"HAPPY BIRTHDAY"}, 16},
        {"", 16, 2, {""}, 16},
        // With one line it never wraps: a longer title gets a cell per character.
        {"Happy new year everyone", 10, 1, {"HAPPY NEW YEAR EVERYONE"}, 23},
        {"Happy new year everyone", 10, 0, {"HAPPY NEW YEAR EVERYONE"}, 23},
        {"Hi", 10, 1, {"HI"}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text) + " in " + std::to_string(c.maxLines));
        const FittedLines fit = fitLines(c.text, c.width, c.maxLines);
        EXPECT_EQ(fit.lines, c.lines);
        EXPECT_EQ(fit.cells, c.cells);
    }
}

// The fit is found by halving the widths, which is right only if the line count never rises as
// the width grows; both are checked against trying every width in turn.
TEST(FitLines, FindsTheSameFitAsTryingEveryWidth)
{
    std::mt19937 random(5);
    const char* words[]
        = {"A", "BE", "CAT", "DOGS", "EAGLE", "FALCON", "GIRAFFES", "EXTRAORDINARY", "ABCDEFGHIJKLMNOPQRST"};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int count = 1 + static_cast<int>(random() % 14);
        for (int word = 0; word < count; ++word)
            text += std::string(words[random() % std::size(words)]) + (random() % 5 ? " " : "  ");
        const int width = 1 + static_cast<int>(random() % 20);
        const int maxLines = 2 + static_cast<int>(random() % 2);
        SCOPED_TRACE(text + " in " + std::to_string(maxLines) + " lines of " + std::to_string(width));
        const std::vector<int> counts = wrappedLineCounts(text, 1, static_cast<int>(text.size()) + 1, 99);
        EXPECT_TRUE(std::is_sorted(counts.rbegin(), counts.rend())) << "the line count rose with the width";

        const std::string trimmed = text.substr(0, text.find_last_not_of(' ') + 1);
        const FittedLines fit = fitLines(text, width, maxLines);
        if (static_cast<std::size_t>(width) >= trimmed.size()) {
            EXPECT_EQ(fit.cells, width);
            continue;
        }
        const auto countAt = [&](int cells) { return counts[static_cast<std::size_t>(cells - 1)]; };
        int fitting = width;
        while (countAt(fitting) > maxLines)
            ++fitting;
        std::size_t longest = 0;
        std::istringstream split(text);
        for (std::string word; split >> word;)
            longest = std::max(longest, word.size());
        int narrowest = fitting;
        const int floor = longest <= static_cast<std::size_t>(fitting) ? static_cast<int>(longest) : 1;
        while (narrowest > floor && countAt(narrowest - 1) == countAt(fitting))
            --narrowest;
        EXPECT_EQ(fit.cells, fitting);
        EXPECT_EQ(fit.lines, wrapWords(trimmed, narrowest, maxLines));
    }
}

// A grid line holds at most so many cells; a title longer than the lines can hold is cut between
// characters before it reaches the grid, and the lines shown are its beginning.
TEST(FitLines, ATitleBeyondWhatTheGridHoldsIsCutBetweenCharacters)
{
    std::string title;
    while (title.size() < 60000)
        title += "COUNTDOWN TO THE LAUNCH OF EVERYTHING ";
    for (const int maxLines : {1, 3}) {
        SCOPED_TRACE(std::to_string(maxLines) + " lines");
        const FittedLines fit = fitLines(title, 10, maxLines);
        EXPECT_EQ(fit.cells, DotGrid::kMaxCells);
        ASSERT_EQ(fit.lines.size(), static_cast<std::size_t>(maxLines));
        std::string shown;
        for (const std::string& line : fit.lines) {
            EXPECT_LE(line.size(), static_cast<std::size_t>(DotGrid::kMaxCells));
            shown += (shown.empty() ? "" : " ") + line;
        }
        EXPECT_EQ(title.substr(0, shown.size()), shown);
    }
}

} // namespace
} // namespace quillon
