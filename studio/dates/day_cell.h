// One day of the month calendar, as a button to pick it with.
#pragma once

#include "platform/calendar/instant.h"
#include "studio/dates/month_grid.h"

#include <QAbstractButton>

namespace quillon {

// One day: its number in a 32-point box, a filled accent circle when selected, an accent ring for
// today, faded outside the month and more when it cannot be picked.
// For assistive technologies one radio button of the month: named with the full date, checked when
// selected, disabled when it cannot be picked. The keys that move through the month go on to the
// calendar.
class DayCell final : public QAbstractButton {
    Q_OBJECT

public:
    explicit DayCell(QWidget* parent);
    void showDay(Instant day, QString number, QString fullDate, DayCellState state);

    Instant day() const { return m_day; }
    const DayCellState& state() const { return m_state; }
    QString number() const { return m_number; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Instant m_day;
    QString m_number;
    DayCellState m_state;
};

} // namespace quillon
