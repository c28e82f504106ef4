// The text of HTML below its markup: ASCII character classes, UTF-8, and character references.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// HTML's white space: space, tab, line feed, carriage return and form feed, but not vertical tab.
bool isSpace(char c);

// A to Z in either case, whatever the locale.
bool isAsciiLetter(char c);

// Whether `text` is `lower` with its ASCII letters in either case; `lower` must be in lower case.
bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lower);

// Appends `codePoint`, which must be a Unicode scalar value (no surrogate, nothing past U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// Where to cut `bytes` at `limit`, which must be below its size, or up to three bytes before, so that
// no character is split.
std::size_t characterBoundaryAtOrBefore(std::string_view bytes, std::size_t limit);

// `bytes` with one U+FFFD for each NUL, each byte that starts no character and each character cut short.
std::string wellFormedUtf8(std::string_view bytes);

struct Reference {
    char32_t codePoint;
    std::size_t length; // of the reference as written, '&' and ';' included
};

// The reference "&name;" or "&#...;" that `text` starts with, if any: only one closed by ';' counts,
// the names are a short list of common ones, and a number that is no character gives U+FFFD.
std::optional<Reference> characterReference(std::string_view text);

} // namespace quillon
