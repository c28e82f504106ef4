#include "studio/controls/popup_accessibility.h"

#include "platform/accessibility/accessible_role.h"

#include <QApplication>
#include <QWidget>

namespace quillon {

void presentAsPopover(QWidget& popup)
{
    presentWithRole(popup, QAccessible::Dialog);
}

void returnKeyboardTo(QWidget* opener, const QWidget& popup)
{
    const QWidget* focus = QApplication::focusWidget();
    if (!opener || !opener->isVisible() || !focus || (focus != &popup && !popup.isAncestorOf(focus)))
        return;
    opener->setFocus(Qt::PopupFocusReason);
}

} // namespace quillon
