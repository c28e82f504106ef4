// Raw values and titles of display sizes.
#include "scenes/dot_size.h"

#include "core/raw_value.h"
#include "platform/widgethost/widget_families.h"

namespace quillon {
namespace {

struct SizeInfo {
    std::string_view rawValue;
    std::string_view title;
};

constexpr std::array<SizeInfo, kAllDotSizes.size()> kSizes {{
    {"small", "Small"},
    {"medium", "Medium"},
    {"large", "Large"},
    {"extraLarge", "Extra Large"},
}};

} // namespace

std::string_view rawValue(DotSize size)
{
    return kSizes[static_cast<std::size_t>(size)].rawValue;
}

std::optional<DotSize> dotSizeFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllDotSizes), raw);
}

std::string_view title(DotSize size)
{
    return kSizes[static_cast<std::size_t>(size)].title;
}

std::string_view widgetFamilyName(DotSize size)
{
    return kWidgetFamilies[static_cast<std::size_t>(size)].rawValue;
}

DotSizeF widgetPointSize(DotSize size)
{
    // A widget of a size is drawn at its family's size.
    const WidgetFamilyInfo& family = kWidgetFamilies[static_cast<std::size_t>(size)];
    return {family.width, family.height};
}

} // namespace quillon
