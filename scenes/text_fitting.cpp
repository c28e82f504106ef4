// Word wrapping, and the search for the narrowest even wrap of a title.
#include "scenes/text_fitting.h"

#include "core/dot_font.h"
#include "core/dot_grid.h"
#include "platform/text/utf.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr int kMaxWrappedLines = 99;

std::vector<std::u32string_view> split(std::u32string_view text, char32_t separator, bool keepEmpty)
{
    std::vector<std::u32string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        const std::u32string_view piece
            = text.substr(start, end == std::u32string_view::npos ? end : end - start);
        if (keepEmpty || !piece.empty())
            pieces.push_back(piece);
        if (end == std::u32string_view::npos)
            return pieces;
        start = end + 1;
    }
}

std::vector<std::u32string> wrap(std::u32string_view text, int width, int maxLines)
{
    const auto limit = static_cast<std::size_t>(std::max(width, 1));
    std::vector<std::u32string> lines;
    for (std::u32string_view paragraph : split(text, U'\n', true)) {
        std::u32string current;
        for (std::u32string_view word : split(paragraph, U' ', false)) {
            while (word.size() > limit) {
                if (!current.empty()) {
                    lines.push_back(std::move(current));
                    current.clear();
                }
                lines.emplace_back(word.substr(0, limit));
                word.remove_prefix(limit);
            }
            if (current.empty()) {
                current = word;
            } else if (current.size() + 1 + word.size() <= limit) {
                current += U' ';
                current += word;
            } else {
                lines.push_back(std::move(current));
                current = word;
            }
        }
        lines.push_back(std::move(current));
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.size() > static_cast<std::size_t>(std::max(maxLines, 0)))
        lines.resize(static_cast<std::size_t>(std::max(maxLines, 0)));
    return lines;
}

// The word lengths of each paragraph, so that trying many widths costs no text handling.
using WordLengths = std::vector<std::vector<std::size_t>>;

WordLengths wordLengths(std::u32string_view text)
{
    WordLengths paragraphs;
    for (std::u32string_view paragraph : split(text, U'\n', true)) {
        std::vector<std::size_t> lengths;
        for (std::u32string_view word : split(paragraph, U' ', false))
            lengths.push_back(word.size());
        paragraphs.push_back(std::move(lengths));
    }
    return paragraphs;
}

// How many lines wrap() gives at this width: the same steps, on lengths only.
int countLines(const WordLengths& paragraphs, int width, int maxLines)
{
    const auto limit = static_cast<std::size_t>(std::max(width, 1));
    std::size_t lines = 0;
    std::size_t throughLastText = 0; // trailing empty lines are dropped
    for (const std::vector<std::size_t>& words : paragraphs) {
        std::size_t current = 0;
        for (std::size_t word : words) {
            if (word > limit) {
                lines += current > 0 ? 1 : 0;
                lines += (word - 1) / limit; // the full chunks broken off
                word -= (word - 1) / limit * limit;
                current = 0;
                throughLastText = lines;
            }
            if (current == 0) {
                current = word;
            } else if (current + 1 + word <= limit) {
                current += 1 + word;
            } else {
                ++lines;
                throughLastText = lines;
                current = word;
            }
        }
        ++lines;
        if (current > 0)
            throughLastText = lines;
    }
    return static_cast<int>(std::min(throughLastText, static_cast<std::size_t>(std::max(maxLines, 0))));
}

std::vector<std::string> toUtf8(const std::vector<std::u32string>& lines)
{
    std::vector<std::string> result;
    result.reserve(lines.size());
    for (const std::u32string& line : lines)
        result.push_back(text::utf8FromUtf32(line));
    return result;
}

std::u32string_view trimmedSpaces(std::u32string_view text)
{
    const std::size_t first = text.find_first_not_of(U" \t");
    if (first == std::u32string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(U" \t") - first + 1);
}

} // namespace

std::vector<std::string> wrapWords(std::string_view text, int width, int maxLines)
{
    return toUtf8(wrap(text::utf32FromUtf8(text), width, maxLines));
}

std::vector<int> wrappedLineCounts(std::string_view text, int fromWidth, int toWidth, int maxLines)
{
    const WordLengths words = wordLengths(text::utf32FromUtf8(text));
    std::vector<int> counts;
    for (int width = fromWidth; width <= toWidth; ++width)
        counts.push_back(countLines(words, width, maxLines));
    return counts;
}

FittedLines fitLines(std::string_view rawText, int width, int maxLines)
{
    width = std::clamp(width, 1, DotGrid::kMaxCells);
    const std::u32string normalized = DotFont::normalize(rawText);
    std::u32string_view text = trimmedSpaces(normalized);
    // A grid line holds at most kMaxCells cells: a longer title is cut here, between characters,
    // rather than by the grid wherever its cap falls.
    if (maxLines < 2) {
        text = text.substr(0, DotGrid::kMaxCells);
        return {{text::utf8FromUtf32(text)}, std::max(width, static_cast<int>(text.size()))};
    }
    if (static_cast<std::size_t>(width) >= text.size())
        return {{text::utf8FromUtf32(text)}, width};

    // The line count never rises as the width grows, so the widths are searched by halving. No
    // width below the letters spread over the lines can hold them, whatever the wrapping.
    const WordLengths words = wordLengths(text);
    std::size_t letters = 0;
    std::size_t longestWord = 0;
    for (const std::vector<std::size_t>& paragraph : words) {
        for (std::size_t word : paragraph) {
            letters += word;
            longestWord = std::max(longestWord, word);
        }
    }
    const auto lines = static_cast<std::size_t>(maxLines);
    const int lowest = std::max(
        width, static_cast<int>(std::min<std::size_t>((letters + lines - 1) / lines, DotGrid::kMaxCells)));
    const int widest
        = std::max(lowest, static_cast<int>(std::min<std::size_t>(text.size(), DotGrid::kMaxCells)));
    const auto narrowestWith = [&](int from, int to, int mostLines) {
        while (from < to) {
            const int middle = from + (to - from) / 2;
            if (countLines(words, middle, kMaxWrappedLines) <= mostLines)
                to = middle;
            else
                from = middle + 1;
        }
        return from;
    };
    const int fitting = narrowestWith(lowest, widest, maxLines);
    // Narrower wraps even the lines out, but must not break a word that fits the block's cells:
    // HAPPY BIRTHDAY SARAH in three lines of nine cells must not show BIRTHDA and Y SARAH.
    const int floor = longestWord <= static_cast<std::size_t>(fitting) ? static_cast<int>(longestWord) : 1;
    const int lineCount = countLines(words, fitting, kMaxWrappedLines);
    const int narrowest = narrowestWith(std::min(std::max(floor, 1), fitting), fitting, lineCount);
    return {toUtf8(wrap(text, narrowest, maxLines)), fitting};
}

} // namespace quillon
