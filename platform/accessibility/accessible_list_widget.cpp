#include "platform/accessibility/accessible_list_widget.h"

#include <QAccessibleWidget>

namespace quillon {
namespace {

constexpr const char* kListViewportProperty = "quillonListViewport";

// The area the rows' own widgets sit in is a pane, which a list counts among its children without
// complaint (Qt asks to be told of any other: "Fix my children"). Screen readers ask after it
// whenever a row's widget changes, its labels' texts each minute among them.
QAccessibleInterface* viewportFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !object->property(kListViewportProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
}

} // namespace

AccessibleListWidget::AccessibleListWidget(QWidget* parent)
    : QListWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(viewportFactory);
        return true;
    }();
    (void)installed;
    viewport()->setProperty(kListViewportProperty, true);
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
