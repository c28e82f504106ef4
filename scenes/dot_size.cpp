// Raw values and titles of display sizes.
#include "scenes/dot_size.h"

#include "core/raw_value.h"
#include "widget_plugin/widget_families.h"

namespace quillon {
namespace {

struct SizeInfo {
    std::string_view rawValue;
    std::string_view title;
    WidgetFamily family;
};

constexpr std::array<SizeInfo, kAllDotSizes.size()> kSizes {{
    {"small", "Small", WidgetFamily::systemSmall},
    {"medium", "Medium", WidgetFamily::systemMedium},
    {"large", "Large", WidgetFamily::systemLarge},
    {"extraLarge", "Extra Large", WidgetFamily::systemExtraLarge},
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

WidgetFamily familyForSize(DotSize size)
{
    return kSizes[static_cast<std::size_t>(size)].family;
}

DotSize sizeForFamily(WidgetFamily family)
{
    for (DotSize size : kAllDotSizes) {
        if (familyForSize(size) == family)
            return size;
    }
    return DotSize::medium;
}

std::string_view widgetFamilyName(DotSize size)
{
    return familyInfo(familyForSize(size)).rawValue;
}

DotSizeF widgetPointSize(DotSize size)
{
    const WidgetFamilyInfo& family = familyInfo(familyForSize(size));
    return {family.width, family.height};
}

} // namespace quillon
