// A list that tells screen readers of its current row only while it has the keyboard. QListView
// tells them of every change of the current row as a move of the keyboard, wherever the keyboard
// is: a list filled or rebuilt while the user is elsewhere would have them read it out of turn.
#pragma once

#include <QListWidget>

namespace quillon {

class QuietListWidget : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

} // namespace quillon
