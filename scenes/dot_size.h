// The four display sizes, matching the four desktop widget sizes.
#pragma once

#include "core/dot_geometry.h"
#include "widget_plugin/widget_families.h"

#include <array>
#include <optional>
#include <string_view>

namespace quillon {

enum class DotSize { small, medium, large, extraLarge };

inline constexpr std::array<DotSize, 4> kAllDotSizes {
    DotSize::small, DotSize::medium, DotSize::large, DotSize::extraLarge};

std::string_view rawValue(DotSize size);
std::optional<DotSize> dotSizeFromRawValue(std::string_view raw);
std::string_view title(DotSize size);
// The widget family a desktop host draws this size as, and back: each size is its own family, and a
// family of any other name is drawn as medium.
WidgetFamily familyForSize(DotSize size);
DotSize sizeForFamily(WidgetFamily family);
// The family's raw name ("systemSmall" …).
std::string_view widgetFamilyName(DotSize size);

// The size of a desktop widget of this size, in points.
DotSizeF widgetPointSize(DotSize size);

} // namespace quillon
