// A list that screen readers hear as the keyboard goes: its current row is read as the keyboard
// comes to the list, and only then. Qt's lists say a change of the current row as a move of the
// keyboard wherever the keyboard is, so a list filled or rebuilt while the user is elsewhere was
// read out of turn; and coming to a list, a screen reader heard "list with 6 items" and no row.
// Rows with widgets of their own keep screen readers from asking the list about those widgets'
// container, which it cannot answer.
#pragma once

#include <QListWidget>

namespace quillon {

class AccessibleListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit AccessibleListWidget(QWidget* parent = nullptr);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void announceCurrentRow();
};

} // namespace quillon
