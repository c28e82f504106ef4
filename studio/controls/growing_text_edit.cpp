#include "studio/controls/growing_text_edit.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace quillon {

GrowingTextEdit::GrowingTextEdit(int minimumLines, int maximumLines, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_minimumLines(minimumLines)
    , m_maximumLines(maximumLines)
{
    setTabChangesFocus(true);
    // Its height is its text's: the form around it must not hand it spare room.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(document(), &QTextDocument::contentsChanged, this, &GrowingTextEdit::fitHeight);
    fitHeight();
}

void GrowingTextEdit::setTextIfDifferent(const QString& text)
{
    if (toPlainText() != text)
        setPlainText(text);
}

void GrowingTextEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitHeight(); // a new width wraps the text onto a different number of lines
}

void GrowingTextEdit::fitHeight()
{
    // Lines as they wrap at this width. The editor lays its text out lazily, later than this runs,
    // so the lines are laid out here the same way.
    const qreal width = std::max<qreal>(1, viewport()->width() - 2 * document()->documentMargin());
    QTextOption wrapping = document()->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), font());
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        lines += std::max(1, layout.lineCount());
    }
    lines = std::clamp(lines, m_minimumLines, m_maximumLines);
    m_visibleLines = lines;
    const QMargins margins = contentsMargins();
    const int height = lines * fontMetrics().lineSpacing()
        + static_cast<int>(2 * document()->documentMargin()) + margins.top() + margins.bottom()
        + 2 * frameWidth();
    if (height != this->height())
        setFixedHeight(height);
}

} // namespace quillon
