// Escaping and shortening what an error message quotes back.
#include "platform/command_line/echoed_value.h"

namespace quillon {
namespace {

// Length of the well-formed UTF-8 sequence that `bytes` starts with, or 0 when its first byte does not
// start one. The ranges are those of Unicode's table of well-formed byte sequences, so overlong forms,
// encoded surrogates and values past U+10FFFF are ill-formed too.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto byteAt = [&](std::size_t index) {
        return index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : 0u;
    };
    const unsigned lead = byteAt(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80; // bounds of the second byte, which the lead narrows
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (byteAt(1) < low || byteAt(1) > high)
        return 0;
    for (std::size_t index = 2; index < length; ++index) {
        if (byteAt(index) < 0x80 || byteAt(index) > 0xBF)
            return 0;
    }
    return length;
}

void appendHex(std::string& out, const char* prefix, unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

} // namespace

std::string echoedValue(std::string_view value, std::size_t maxCharacters)
{
    std::string out;
    std::size_t characters = 0;
    std::size_t index = 0;
    while (index < value.size()) {
        if (characters == maxCharacters)
            return out + "\u2026";
        ++characters;
        const std::size_t length = sequenceLength(value.substr(index));
        const auto lead = static_cast<unsigned char>(value[index]);
        if (length == 0) {
            appendHex(out, "\\x", lead, 2);
            ++index;
            continue;
        }
        if (length == 1) {
            if (lead == '\n')
                out += "\\n";
            else if (lead == '\r')
                out += "\\r";
            else if (lead == '\t')
                out += "\\t";
            else if (lead == '\\')
                out += "\\\\";
            else if (lead < 0x20 || lead == 0x7F)
                appendHex(out, "\\x", lead, 2);
            else
                out += static_cast<char>(lead);
        } else if (lead == 0xC2 && static_cast<unsigned char>(value[index + 1]) <= 0x9F) {
            // U+0080 to U+009F: C1 controls, and some terminals take U+009B as the start of an escape.
            appendHex(out, "\\u", static_cast<unsigned char>(value[index + 1]), 4);
        } else {
            out += value.substr(index, length);
        }
        index += length;
    }
    return out;
}

} // namespace quillon
