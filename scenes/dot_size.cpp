// Raw values and titles of display sizes.
#include "scenes/dot_size.h"

#include "core/raw_value.h"

namespace quillon {
namespace {

struct SizeInfo {
    std::string_view rawValue;
    std::string_view title;
    DotSizeF points;
};

constexpr std::array<SizeInfo, kAllDotSizes.size()> kSizes{{
    {"small", "Small", {164, 164}},
    {"medium", "Medium", {344, 164}},
    {"large", "Large", {344, 344}},
    {"extraLarge", "Extra Large", {724, 344}},
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

DotSizeF widgetPointSize(DotSize size)
{
    return kSizes[static_cast<std::size_t>(size)].points;
}

} // namespace quillon
