// Raw values of widget families, and their names.
#include "widgethost/widget_plugin.h"

#include "platform/widgethost/widget_families.h"

#include <QCoreApplication>

#include <array>

namespace quillon::widgethost {
namespace {

static_assert(
    kWidgetFamilies.size() == static_cast<std::size_t>(WidgetFamily::other) + 1, "one entry per family");

const WidgetFamilyInfo& infoOf(WidgetFamily family)
{
    return kWidgetFamilies[static_cast<std::size_t>(family)];
}

} // namespace

const char* rawValue(WidgetFamily family)
{
    // The table's names are literals, so their views end in a terminating zero.
    return infoOf(family).rawValue.data();
}

std::optional<WidgetFamily> widgetFamilyFromRawValue(const std::string& raw)
{
    for (std::size_t index = 0; index < kWidgetFamilies.size(); ++index) {
        if (raw == kWidgetFamilies[index].rawValue)
            return static_cast<WidgetFamily>(index);
    }
    return std::nullopt;
}

QSizeF familyPointSize(WidgetFamily family)
{
    return {infoOf(family).width, infoOf(family).height};
}

const char* familyTitle(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        //: A widget's size, in its menu and in the gallery
        return QT_TRANSLATE_NOOP("quillon::WidgetFamily", "Small");
    case WidgetFamily::systemLarge:
        //: A widget's size, in its menu and in the gallery
        return QT_TRANSLATE_NOOP("quillon::WidgetFamily", "Large");
    case WidgetFamily::systemExtraLarge:
        //: A widget's size, in its menu and in the gallery
        return QT_TRANSLATE_NOOP("quillon::WidgetFamily", "Extra Large");
    case WidgetFamily::systemMedium:
    case WidgetFamily::other:
        break;
    }
    //: A widget's size, in its menu and in the gallery
    return QT_TRANSLATE_NOOP("quillon::WidgetFamily", "Medium");
}

QString familyDisplayTitle(WidgetFamily family)
{
    return QCoreApplication::translate("quillon::WidgetFamily", familyTitle(family));
}

} // namespace quillon::widgethost
