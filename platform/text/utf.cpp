// UTF conversions on ICU's converters, with replacement of ill-formed input.
#include "platform/text/utf.h"

#include <unicode/ustring.h>

namespace quillon::text {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Cuts a string at kMaxTextBytes without splitting a multi-byte sequence.
std::string_view bounded(std::string_view utf8)
{
    if (utf8.size() <= kMaxTextBytes)
        return utf8;
    std::size_t end = kMaxTextBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return utf8.substr(0, end);
}

bool isSurrogate(char32_t character)
{
    return character >= 0xD800 && character <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t character)
{
    if (character > 0x10FFFF || isSurrogate(character))
        character = kReplacementCharacter;
    auto byte = [](char32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (character < 0x80) {
        out += byte(character);
    } else if (character < 0x800) {
        out += byte(0xC0 | (character >> 6));
        out += byte(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += byte(0xE0 | (character >> 12));
        out += byte(0x80 | ((character >> 6) & 0x3F));
        out += byte(0x80 | (character & 0x3F));
    } else {
        out += byte(0xF0 | (character >> 18));
        out += byte(0x80 | ((character >> 12) & 0x3F));
        out += byte(0x80 | ((character >> 6) & 0x3F));
        out += byte(0x80 | (character & 0x3F));
    }
}

} // namespace

std::u16string utf16FromUtf8(std::string_view utf8)
{
    utf8 = bounded(utf8);
    if (utf8.empty())
        return {};
    const auto length = static_cast<int32_t>(utf8.size());
    // UTF-16 never needs more units than UTF-8 has bytes.
    std::u16string result(utf8.size(), u'\0');
    int32_t written = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(result.data(), length, &written, utf8.data(), length,
        static_cast<UChar32>(kReplacementCharacter), nullptr, &status);
    if (U_FAILURE(status))
        return std::u16string(1, static_cast<char16_t>(kReplacementCharacter));
    result.resize(static_cast<std::size_t>(written));
    return result;
}

std::u32string utf32FromUtf8(std::string_view utf8)
{
    const std::u16string utf16 = utf16FromUtf8(utf8);
    std::u32string result;
    result.reserve(utf16.size());
    for (std::size_t index = 0; index < utf16.size(); ++index) {
        char32_t unit = utf16[index];
        if ((unit & 0xFC00) == 0xD800 && index + 1 < utf16.size() && (utf16[index + 1] & 0xFC00) == 0xDC00)
            unit = 0x10000 + ((unit - 0xD800) << 10) + (char32_t {utf16[++index]} - 0xDC00);
        result += unit;
    }
    return result;
}

std::string utf8FromUtf16(std::u16string_view utf16)
{
    std::string result;
    result.reserve(utf16.size());
    std::size_t index = 0;
    while (index < utf16.size()) {
        char32_t unit = utf16[index++];
        const bool isLead = unit >= 0xD800 && unit <= 0xDBFF;
        if (isLead && index < utf16.size() && utf16[index] >= 0xDC00 && utf16[index] <= 0xDFFF)
            unit = 0x10000 + ((unit - 0xD800) << 10) + (char32_t {utf16[index++]} - 0xDC00);
        appendUtf8(result, unit);
    }
    return result;
}

std::string utf8FromUtf32(std::u32string_view utf32)
{
    std::string result;
    result.reserve(utf32.size());
    for (char32_t character : utf32)
        appendUtf8(result, character);
    return result;
}

} // namespace quillon::text
