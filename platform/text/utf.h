// Conversions between the UTF-8 the program stores and the UTF-16 that ICU works in.
#pragma once

#include <string>
#include <string_view>

namespace quillon::text {

// Longer input is cut at this many bytes (at a character boundary): no display holds that much text,
// and it keeps every length inside the 32-bit counts that ICU takes.
inline constexpr std::size_t kMaxTextBytes = std::size_t {1} << 24;

// Ill-formed input becomes one U+FFFD per maximal subpart, Unicode's recommended practice and the
// W3C/WHATWG decoders' too: the start of a sequence cut short ("\xE2\x82") is one U+FFFD, and so is
// each byte that no well-formed sequence could start or continue at that point, which makes an
// overlong "/" ("\xC0\xAF") two, an encoded surrogate ("\xED\xA0\x80") three and a value past
// U+10FFFF four. Nothing reads past the end.
std::u16string utf16FromUtf8(std::string_view utf8);

// Code points, with ill-formed input replaced as utf16FromUtf8 does.
std::u32string utf32FromUtf8(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(std::u16string_view utf16);
std::string utf8FromUtf32(std::u32string_view utf32);

} // namespace quillon::text
