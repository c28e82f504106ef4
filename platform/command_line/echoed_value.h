// User input quoted back in an error message, made safe to print on one terminal line.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// At most this many characters of a value are echoed: enough to recognise it, and a pasted file
// still yields a short error.
inline constexpr std::size_t kMaxEchoedCharacters = 60;

// `value` with control characters (C0, DEL and C1) escaped as \n, \t, \r, \xNN or \u00NN, each byte of
// ill-formed UTF-8 as \xNN and a backslash as \\, so that nothing in it can end the line or drive the
// terminal. Past `maxCharacters` code points it is cut, and "…" marks the cut.
std::string echoedValue(std::string_view value, std::size_t maxCharacters = kMaxEchoedCharacters);

} // namespace quillon
