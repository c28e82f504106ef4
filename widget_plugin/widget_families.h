// The sizes desktop widget hosts draw widgets at ("families"): their raw names as the host's bus and
// widgets.json spell them, and their size in points. Plain constants, so that the scene builders
// below any toolkit read them too.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quillon {

enum class WidgetFamily { systemSmall, systemMedium, systemLarge, systemExtraLarge, other };

struct WidgetFamilyInfo {
    WidgetFamily family;
    std::string_view rawValue; // a literal, so it ends in a terminating zero
    double width = 0; // points
    double height = 0;
};

// Hosts draw a family of any other name at the medium size.
inline constexpr std::array<WidgetFamilyInfo, 5> kWidgetFamilies {{
    {WidgetFamily::systemSmall, "systemSmall", 164, 164},
    {WidgetFamily::systemMedium, "systemMedium", 344, 164},
    {WidgetFamily::systemLarge, "systemLarge", 344, 344},
    {WidgetFamily::systemExtraLarge, "systemExtraLarge", 724, 344},
    {WidgetFamily::other, "other", 344, 164},
}};

constexpr const WidgetFamilyInfo& familyInfo(WidgetFamily family)
{
    for (const WidgetFamilyInfo& info : kWidgetFamilies) {
        if (info.family == family)
            return info;
    }
    return kWidgetFamilies.back();
}

constexpr std::optional<WidgetFamily> widgetFamilyFromRawValue(std::string_view raw)
{
    for (const WidgetFamilyInfo& info : kWidgetFamilies) {
        if (info.rawValue == raw)
            return info.family;
    }
    return std::nullopt;
}

} // namespace quillon
