// Breaking display text into lines of a given number of cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Greedy word wrap of each line-feed-separated paragraph at `width` characters (at least 1):
// words are only broken when alone longer than a line; empty lines at the end are dropped and at
// most `maxLines` lines are kept. Characters are counted as code points, which display text
// (already normalised) consists of one per cell.
std::vector<std::string> wrapWords(std::string_view text, int width, int maxLines);

// How many lines wrapWords gives at each width from `fromWidth` to `toWidth` inclusive, without
// building them: trying many widths costs one pass over the words per width.
std::vector<int> wrappedLineCounts(std::string_view text, int fromWidth, int toWidth, int maxLines);

struct FittedLines {
    std::vector<std::string> lines;
    int cells = 0;
    bool operator==(const FittedLines&) const = default;
};

// The text normalised and set in at most `maxLines` lines: on one line of `width` cells when it
// fits; otherwise in the narrowest widening of `width` that fits the lines, with the lines as even
// as that many lines allow. With `maxLines` below 2 a long text stays on one line of its length.
FittedLines fitLines(std::string_view text, int width, int maxLines);

} // namespace quillon
