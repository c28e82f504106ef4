// The members of a JSON object as raw text, found without parsing their values: one value that the
// parser refuses (a number out of range, a lone surrogate, nesting too deep) can then be left out
// alone instead of taking the whole object with it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quillon {

struct JsonMember {
    std::string_view key; // the key's JSON string, quotes and escapes included
    std::string_view value; // the value's JSON text, surrounding whitespace excluded

    bool operator==(const JsonMember&) const = default;
};

// The members of the one object the text holds, in order of appearance, duplicates included.
// Nothing when the text is not shaped as one object: anything but whitespace (or a leading byte
// order mark) around it, a key that is not a string, a missing colon or comma, an empty value, or a
// string or bracket left open. The values themselves are not checked, only delimited: strings by
// their unescaped closing quote, arrays and objects by their balancing bracket, anything else by the
// next comma, closing brace or whitespace. Works without recursion, however deep the nesting.
std::optional<std::vector<JsonMember>> jsonObjectMembers(std::string_view text);

} // namespace quillon
