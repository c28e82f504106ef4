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

QSizeF familyPointSize(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        return {164, 164};
    case WidgetFamily::systemLarge:
        return {344, 344};
    case WidgetFamily::systemExtraLarge:
        return {724, 344};
    case WidgetFamily::systemMedium:
    case WidgetFamily::other:
        break;
    }
    return {344, 164};
}

const char* familyTitle(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        return "Small";
    case WidgetFamily::systemLarge:
        return "Large";
    case WidgetFamily::systemExtraLarge:
        return "Extra Large";
    case WidgetFamily::systemMedium:
    case WidgetFamily::other:
        break;
    }
    return "Medium";
}

} // namespace quillon::widgethost
