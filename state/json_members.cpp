// A single pass over the top level of an object; nested text is only counted through.
#include "state/json_members.h"

namespace quillon {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isWhitespace(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

std::size_t skipWhitespace(std::string_view text, std::size_t index)
{
    while (index < text.size() && isWhitespace(text[index]))
        ++index;
    return index;
}

// Just past the closing quote of the string that opens at `index`.
std::size_t endOfString(std::string_view text, std::size_t index)
{
    for (++index; index < text.size(); ++index) {
        if (text[index] == '\\')
            ++index;
        else if (text[index] == '"')
            return index + 1;
    }
    return kNotFound;
}

// Just past the bracket that balances the one at `index`. Only the count is kept: a mismatched
// pair is left for the parser of that value to refuse.
std::size_t endOfContainer(std::string_view text, std::size_t index)
{
    std::size_t depth = 0;
    while (index < text.size()) {
        const char character = text[index];
        if (character == '"') {
            index = endOfString(text, index);
            if (index == kNotFound)
                return kNotFound;
            continue;
        }
        if (character == '[' || character == '{') {
            ++depth;
        } else if (character == ']' || character == '}') {
            if (--depth == 0)
                return index + 1;
        }
        ++index;
    }
    return kNotFound;
}

std::size_t endOfValue(std::string_view text, std::size_t index)
{
    if (index >= text.size())
        return kNotFound;
    if (text[index] == '"')
        return endOfString(text, index);
    if (text[index] == '[' || text[index] == '{')
        return endOfContainer(text, index);
    const std::size_t start = index;
    while (index < text.size() && text[index] != ',' && text[index] != '}' && !isWhitespace(text[index]))
        ++index;
    return index == start ? kNotFound : index;
}

} // namespace

std::optional<std::vector<JsonMember>> jsonObjectMembers(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::size_t index = skipWhitespace(text, 0);
    if (index >= text.size() || text[index] != '{')
        return std::nullopt;
    std::vector<JsonMember> members;
    index = skipWhitespace(text, index + 1);
    if (index < text.size() && text[index] == '}') {
        ++index;
    } else {
        while (true) {
            if (index >= text.size() || text[index] != '"')
                return std::nullopt;
            const std::size_t keyEnd = endOfString(text, index);
            if (keyEnd == kNotFound)
                return std::nullopt;
            const std::string_view key = text.substr(index, keyEnd - index);
            index = skipWhitespace(text, keyEnd);
            if (index >= text.size() || text[index] != ':')
                return std::nullopt;
            index = skipWhitespace(text, index + 1);
            const std::size_t valueEnd = endOfValue(text, index);
            if (valueEnd == kNotFound)
                return std::nullopt;
            members.push_back({key, text.substr(index, valueEnd - index)});
            index = skipWhitespace(text, valueEnd);
            if (index < text.size() && text[index] == ',') {
                index = skipWhitespace(text, index + 1);
                continue;
            }
            if (index < text.size() && text[index] == '}') {
                ++index;
                break;
            }
            return std::nullopt;
        }
    }
    return skipWhitespace(text, index) == text.size() ? std::optional(std::move(members)) : std::nullopt;
}

} // namespace quillon
