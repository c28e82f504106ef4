// One day of the month calendar: how it is drawn, read out and moved through.
#include "studio/dates/day_cell.h"

#include "studio/controls/choice_accessibility.h"
#include "studio/controls/text_styles.h"
#include "studio/dates/month_calendar.h"

#include <QKeyEvent>
#include <QPainter>

namespace quillon {

DayCell::DayCell(QWidget* parent)
    : QAbstractButton(parent)
{
    setFixedSize(MonthCalendar::kCellSide, MonthCalendar::kCellSide);
    setCheckable(true);
    presentAsRadioButton(*this);
    // Only the calendar's tab stop takes the keyboard; a click picks the day without it.
    setFocusPolicy(Qt::NoFocus);
}

void DayCell::showDay(Instant day, QString number, QString fullDate, DayCellState state)
{
    m_day = day;
    m_number = std::move(number);
    m_state = state;
    setText(m_number);
    setAccessibleName(fullDate);
    setChecked(state.selected);
    setEnabled(state.selectable);
    update();
}

void DayCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_state.opacity());
    const QColor accent = palette().color(QPalette::Active, QPalette::Highlight);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (m_state.selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawEllipse(box);
    } else if (m_state.today) {
        painter.setPen(QPen(accent, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box.adjusted(0.75, 0.75, -0.75, -0.75));
    }
    if (hasFocus()) {
        painter.setPen(QPen(accent, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    QFont font = calloutFont();
    font.setWeight(m_state.selected || m_state.today ? QFont::DemiBold : QFont::Normal);
    painter.setFont(font);
    const QColor ink = m_state.selected ? QColor(Qt::white)
        : m_state.inMonth               ? palette().color(QPalette::Active, QPalette::WindowText)
                                        : palette().color(QPalette::Active, QPalette::PlaceholderText);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, m_number);
}

void DayCell::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore(); // the calendar moves the selection, and the focus with it
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

} // namespace quillon
