#include "widgethost/desktops/widget_accessibility.h"

#include "platform/accessibility/accessible_role.h"
#include "widgethost/host/live_widget.h"

#include <QCoreApplication>
#include <QWidget>

namespace quillon::widgethost {
namespace {

QString accessibleNameOf(const LiveWidget& widget)
{
    const QString name = QString::fromStdString(widget.description().displayName);
    const QString text = QString::fromStdString(widget.accessibilityText());
    //: A widget on the desktop, for screen readers: %1 its name, such as "Clock"; %2 what it shows now
    return text.isEmpty()
        ? name
        : QCoreApplication::translate("quillon::widgethost::WidgetWindow", "%1: %2").arg(name, text);
}

} // namespace

void presentAsWidget(QWidget& window, const LiveWidget& widget)
{
    // A window to screen readers, rather than the filler a plain widget is.
    presentWithRole(window, QAccessible::Window);
    window.setAccessibleName(accessibleNameOf(widget));
    QObject::connect(&widget, &LiveWidget::faceChanged, &window,
        [&window, &widget] { window.setAccessibleName(accessibleNameOf(widget)); });
}

} // namespace quillon::widgethost
