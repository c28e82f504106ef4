// Reading Qt's logging rules for one category's debug lines.
#include "platform/log/logging_rules.h"

#include <string>

namespace quillon {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool matches(std::string_view pattern, std::string_view category)
{
    if (pattern == "*")
        return true;
    const bool anyStart = pattern.starts_with('*');
    const bool anyEnd = pattern.size() > 1 && pattern.ends_with('*');
    if (anyStart)
        pattern.remove_prefix(1);
    if (anyEnd)
        pattern.remove_suffix(1);
    if (anyStart && anyEnd)
        return category.find(pattern) != std::string_view::npos;
    if (anyStart)
        return category.ends_with(pattern);
    if (anyEnd)
        return category.starts_with(pattern);
    return category == pattern;
}

} // namespace

bool debugLinesRequested(std::string_view rules, std::string_view category)
{
    bool requested = false;
    while (!rules.empty()) {
        const auto end = rules.find_first_of(";\n");
        const std::string_view rule = trimmed(rules.substr(0, end));
        rules = end == std::string_view::npos ? std::string_view {} : rules.substr(end + 1);
        const auto equals = rule.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view pattern = trimmed(rule.substr(0, equals));
        const std::string_view value = trimmed(rule.substr(equals + 1));
        if (value != "true" && value != "false")
            continue;
        // "category.debug" names the debug lines; a bare category names every kind of line.
        if (pattern.ends_with(".debug"))
            pattern.remove_suffix(6);
        else if (pattern.ends_with(".info") || pattern.ends_with(".warning")
            || pattern.ends_with(".critical"))
            continue;
        if (matches(pattern, category))
            requested = value == "true";
    }
    return requested;
}

} // namespace quillon
