// ASCII classes, UTF-8 decoding and encoding, and character references, as browsers read them.
#include "updater/html_text.h"

#include "platform/text/utf.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kPastUnicode = 0x110000;

struct NamedReference {
    std::string_view name;
    char32_t codePoint;
};

constexpr NamedReference kNamedReferences[] = {{"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'},
    {"apos", U'\''}, {"nbsp", 0xA0}, {"copy", 0xA9}, {"reg", 0xAE}, {"trade", 0x2122}, {"hellip", 0x2026},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"minus", 0x2212}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"laquo", 0xAB}, {"raquo", 0xBB}, {"bull", 0x2022},
    {"middot", 0xB7}, {"deg", 0xB0}, {"times", 0xD7}, {"larr", 0x2190}, {"rarr", 0x2192}, {"uarr", 0x2191},
    {"darr", 0x2193}, {"euro", 0x20AC}, {"pound", 0xA3}, {"eacute", 0xE9}, {"egrave", 0xE8}, {"auml", 0xE4},
    {"ouml", 0xF6}, {"uuml", 0xFC}, {"Auml", 0xC4}, {"Ouml", 0xD6}, {"Uuml", 0xDC}, {"szlig", 0xDF}};

constexpr std::size_t kLongestReferenceName
    = std::ranges::max(kNamedReferences, {}, [](const NamedReference& reference) {
          return reference.name.size();
      }).name.size();

bool isAsciiAlphanumeric(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of `c` as a digit in `base` (10 or 16), or -1.
int digitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = asciiLower(c);
    if (base == 16 && lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// `text` starts with "&#".
std::optional<Reference> numericReference(std::string_view text)
{
    std::size_t at = 2; // past "&#"
    const bool hex = at < text.size() && (text[at] == 'x' || text[at] == 'X');
    if (hex)
        ++at;
    const int base = hex ? 16 : 10;
    const std::size_t firstDigit = at;
    char32_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0)
            break;
        // Held at the first value past Unicode, so that no number of digits can overflow it.
        value = std::min<char32_t>(
            value * static_cast<char32_t>(base) + static_cast<char32_t>(digit), kPastUnicode);
    }
    if (at == firstDigit || at == text.size() || text[at] != ';')
        return std::nullopt;
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value >= kPastUnicode)
        value = kReplacementCharacter;
    return Reference {value, at + 1};
}

} // namespace

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lower)
{
    return text.size() == lower.size()
        && std::equal(
            text.begin(), text.end(), lower.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    out += text::utf8FromUtf32(std::u32string_view(&codePoint, 1));
}

// A split character would show as U+FFFD where the text merely stops.
std::size_t characterBoundaryAtOrBefore(std::string_view bytes, std::size_t limit)
{
    std::size_t cut = limit;
    // No character has more than three continuation bytes; further back the bytes are no character.
    while (cut > 0 && limit - cut < 3 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

// One U+FFFD for each start of a character that breaks off, as browsers decode. NUL too, which could
// otherwise end the text early for a viewer that reads C strings.
std::string wellFormedUtf8(std::string_view bytes)
{
    std::u32string characters = text::utf32FromUtf8(bytes);
    std::replace(characters.begin(), characters.end(), U'\0', kReplacementCharacter);
    return text::utf8FromUtf32(characters);
}

// Only references closed by ';' count, so that an "&copy" in a link's query or a company's "AT&T"
// stays as written.
std::optional<Reference> characterReference(std::string_view text)
{
    if (text.size() > 1 && text[1] == '#')
        return numericReference(text);
    std::size_t end = 1;
    while (end < text.size() && end <= kLongestReferenceName && isAsciiAlphanumeric(text[end]))
        ++end;
    if (end == text.size() || text[end] != ';')
        return std::nullopt;
    const std::string_view name = text.substr(1, end - 1);
    for (const NamedReference& reference : kNamedReferences) {
        if (reference.name == name)
            return Reference {reference.codePoint, end + 1};
    }
    return std::nullopt;
}

} // namespace quillon
