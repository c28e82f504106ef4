// Parsing the stored text form of an enumeration back into its case.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quillon {

// Exact and case-sensitive; finds the case whose rawValue() equals the text.
template <typename Enum, std::size_t Count>
std::optional<Enum> enumFromRawValue(std::span<const Enum, Count> allCases, std::string_view raw)
{
    for (Enum value : allCases) {
        if (rawValue(value) == raw)
            return value;
    }
    return std::nullopt;
}

} // namespace quillon
