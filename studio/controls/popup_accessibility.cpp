#include "studio/controls/popup_accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace quillon {
namespace {

constexpr const char* kPopoverProperty = "quillonPopover";

QAccessibleInterface* popoverFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !object->property(kPopoverProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
}

} // namespace

void presentAsPopover(QWidget& popup)
{
    static const bool installed = [] {
        QAccessible::installFactory(popoverFactory);
        return true;
    }();
    (void)installed;
    popup.setProperty(kPopoverProperty, true);
}

void returnKeyboardTo(QWidget* opener, const QWidget& popup)
{
    const QWidget* focus = QApplication::focusWidget();
    if (!opener || !opener->isVisible() || !focus || (focus != &popup && !popup.isAncestorOf(focus)))
        return;
    opener->setFocus(Qt::PopupFocusReason);
}

} // namespace quillon
