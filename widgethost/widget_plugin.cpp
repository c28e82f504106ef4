// Raw values of widget families.
#include "widgethost/widget_plugin.h"

#include <array>

namespace quillon::widgethost {
namespace {

constexpr std::array<const char*, 5> kFamilyNames{"systemSmall", "systemMedium", "systemLarge", "systemExtraLarge",
                                                  "other"};

} // namespace

const char* rawValue(WidgetFamily family)
{
    return kFamilyNames[static_cast<std::size_t>(family)];
}

std::optional<WidgetFamily> widgetFamilyFromRawValue(const std::string& raw)
{
    for (std::size_t index = 0; index < kFamilyNames.size(); ++index) {
        if (raw == kFamilyNames[index])
            return static_cast<WidgetFamily>(index);
    }
    return std::nullopt;
}

} // namespace quillon::widgethost
