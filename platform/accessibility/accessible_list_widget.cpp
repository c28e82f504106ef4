#include "platform/accessibility/accessible_list_widget.h"

#include "platform/accessibility/accessible_role.h"

#include <QAccessible>

namespace quillon {

AccessibleListWidget::AccessibleListWidget(QWidget* parent)
    : QListWidget(parent)
{
    // The area the rows' own widgets sit in is a pane, which a list counts among its children
    // without complaint (Qt asks to be told of any other: "Fix my children"). Screen readers ask
    // after it whenever a row's widget changes, its labels' texts each minute among them.
    presentWithRole(*viewport(), QAccessible::Pane);
}

void AccessibleListWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous); // without QListView's focus event
}

void AccessibleListWidget::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // After the list's own focus event, which Qt sends once this returns: screen readers keep the
    // last of two at once.
    QMetaObject::invokeMethod(this, &AccessibleListWidget::announceCurrentRow, Qt::QueuedConnection);
}

void AccessibleListWidget::announceCurrentRow()
{
    if (!QAccessible::isActive() || !hasFocus() || currentRow() < 0)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentRow());
    QAccessible::updateAccessibility(&event);
}

} // namespace quillon
