// The text interface of something screen readers read as a whole, with no cursor, selection or
// parts of its own: a display's text, a combo box's chosen item. What the text is, the subclass
// says; through this, a change of it reaches them as a change of text.
#pragma once

#include <QAccessibleTextInterface>

namespace quillon {

class ReadOnlyTextInterface : public QAccessibleTextInterface {
public:
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override;

protected:
    virtual QString content() const = 0;
};

} // namespace quillon
