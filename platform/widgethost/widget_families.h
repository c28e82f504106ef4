// The sizes desktop widget hosts draw widgets at ("families"): their raw names as the host's bus and
// widgets.json spell them, and their size in points. The scene builders, the studio, the host and
// the plug-in all read them here.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillon {

struct WidgetFamilyInfo {
    std::string_view rawValue;
    double width = 0; // points
    double height = 0;
};

// In the order of the display sizes (small, medium, large, extra large), then the family of any
// other name, which hosts draw at the medium size.
inline constexpr std::array<WidgetFamilyInfo, 5> kWidgetFamilies {{
    {"systemSmall", 164, 164},
    {"systemMedium", 344, 164},
    {"systemLarge", 344, 344},
    {"systemExtraLarge", 724, 344},
    {"other", 344, 164},
}};

} // namespace quillon
