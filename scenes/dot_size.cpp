// Raw values and titles of display sizes.
#include "scenes/dot_size.h"

#include "core/raw_value.h"

namespace quillon {

std::string_view rawValue(DotSize size)
{
    switch (size) {
    case DotSize::small:
        return "small";
    case DotSize::medium:
        return "medium";
    case DotSize::large:
        return "large";
    case DotSize::extraLarge:
        return "extraLarge";
    }
    return "medium";
}

std::optional<DotSize> dotSizeFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllDotSizes), raw);
}

std::string_view title(DotSize size)
{
    switch (size) {
    case DotSize::small:
        return "Small";
    case DotSize::medium:
        return "Medium";
    case DotSize::large:
        return "Large";
    case DotSize::extraLarge:
        return "Extra Large";
    }
    return "Medium";
}

} // namespace quillon
