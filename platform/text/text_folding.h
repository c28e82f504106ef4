// Case, accent and upper-case mappings of text, on ICU.
#pragma once

#include <string>
#include <string_view>

namespace quillon::text {

// The text as a case- and accent-insensitive comparison under "en_US" sees it: Unicode case
// folding (so "ß" becomes "ss"), and every letter stripped of its accents ("é" becomes "e",
// "Ø" becomes "o"). Other scripts keep their letters.
std::u16string foldCaseAndDiacritics(std::u16string_view text);

// Full Unicode upper-casing, which may change the length ("ß" becomes "SS").
std::u16string upperCased(std::u16string_view text);

} // namespace quillon::text
