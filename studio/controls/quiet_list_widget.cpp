#include "studio/controls/quiet_list_widget.h"

namespace quillon {

void QuietListWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous); // without QListView's focus event
}

} // namespace quillon
