// Conversions between the UTF-8 the program stores and the UTF-16 that ICU works in.
#pragma once

#include <string>
#include <string_view>

namespace quillon::text {

// Longer input is cut at this many bytes (at a character boundary): no display holds that much text,
// and it keeps every length inside the 32-bit counts that ICU takes.
inline constexpr std::size_t kMaxTextBytes = std::size_t {1} << 24;

// Each ill-formed sequence (a stray continuation byte, a truncated or overlong sequence, a
// surrogate) becomes one U+FFFD, so it still counts as one character and nothing reads past the end.
std::u16string utf16FromUtf8(std::string_view utf8);

// Code points, with each ill-formed sequence as one U+FFFD.
std::u32string utf32FromUtf8(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(std::u16string_view utf16);
std::string utf8FromUtf32(std::u32string_view utf32);

} // namespace quillon::text
