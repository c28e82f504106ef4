#include "studio/controls/announcer.h"

#include <QAccessibleWidget>

namespace quillon {
namespace {

QAccessibleInterface* announcerFactory(const QString& className, QObject* object)
{
    if (className != "quillon::Announcer" || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)installed;
    // A notification is read as it shows, so it must be shown: one transparent point, out of the way,
    // that takes neither the pointer nor the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    QWidget::hide();
}

void Announcer::announce(const QString& message)
{
    if (!QAccessible::isActive() || message.isEmpty())
        return;
    // Shown anew for each message: screen readers read a notification when it comes into sight.
    QWidget::hide();
    setAccessibleName(message);
    raise();
    QWidget::show();
}

} // namespace quillon
