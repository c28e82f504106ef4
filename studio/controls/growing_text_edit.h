// A text field that grows with its text between a smallest and a largest number of lines, then
// scrolls; Tab moves on instead of typing a tab.
#pragma once

#include <QPlainTextEdit>

namespace quillon {

class GrowingTextEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    GrowingTextEdit(int minimumLines, int maximumLines, QWidget* parent = nullptr);

    // Replaces the text only when it differs, so that the cursor stays put while typing.
    void setTextIfDifferent(const QString& text);
    // The lines the field is sized for: its text's, between the smallest and the largest number.
    int visibleLines() const { return m_visibleLines; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();

    int m_minimumLines;
    int m_maximumLines;
    int m_visibleLines = 0;
};

} // namespace quillon
