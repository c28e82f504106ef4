#include "platform/accessibility/announcer.h"

#include "platform/accessibility/accessible_role.h"

#include <QAccessible>

namespace quillon {

// A window of its own, owned by `parent`'s: a notification inside a window is read after that
// window's name and description, as if the keyboard had come to it anew.
Announcer::Announcer(QWidget* parent)
    : QWidget(parent,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
{
    presentWithRole(*this, QAccessible::Notification);
    // A notification is read as it shows, so it must be shown: one transparent point over its
    // window's corner, that takes neither the pointer nor the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
}

Announcer& Announcer::of(QWidget& window)
{
    if (auto* own = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return *own;
    return *new Announcer(&window);
}

void Announcer::announce(const QString& message)
{
    if (!QAccessible::isActive() || message.isEmpty())
        return;
    // Shown anew for each message: screen readers read a notification when it comes into sight.
    QWidget::hide();
    setAccessibleName(message);
    if (parentWidget())
        move(parentWidget()->mapToGlobal(QPoint(0, 0)));
    QWidget::show();
    // Qt tells of a window that comes into sight as a window, not as an object that shows.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace quillon
