// Raw values of widget families, and their names.
#include "widget_plugin/widget_plugin.h"

#include <QCoreApplication>

namespace quillon::widgethost {

const char* rawValue(WidgetFamily family)
{
    return familyInfo(family).rawValue.data();
}

QSizeF familyPointSize(WidgetFamily family)
{
    return {familyInfo(family).width, familyInfo(family).height};
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
