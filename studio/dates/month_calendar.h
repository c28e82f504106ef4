// A month of days to pick the countdown's date from: the month and year with "Today" and the
// month arrows, the weekday initials, and six weeks of day buttons. The selected day takes the
// keyboard: arrow keys move the selection and the focus with it, Page Up and Page Down by a month,
// Return confirms.
#pragma once

#include "platform/calendar/calendar.h"

#include <QVariantAnimation>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QToolButton;

namespace quillon {

class DayCell;
class RollingTitle;

class MonthCalendar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCellSide = 32;
    static constexpr int kCellGap = 2;

    // Opens on the month of the selection. `earliest` is the first moment that may be picked.
    // `now` is the studio's time: today is marked from it.
    MonthCalendar(Calendar calendar, std::string localeIdentifier, Instant selection, Instant earliest,
        Instant now, QWidget* parent = nullptr);

    // The selection as the bound date now is; the month on show stays.
    void setSelection(Instant selection);
    // The clock moved on: the "today" ring moves when the day changes.
    void refreshToday(Instant now);

    Instant month() const { return m_month; }
    QString titleText() const;
    QToolButton* todayButton() const { return m_today; }
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }
    const std::vector<DayCell*>& cells() const { return m_cells; }

    // What the user does, for tests and the keyboard alike.
    void pickDay(Instant day);
    void stepMonth(int months);
    void showEarliestMonth();

signals:
    // A day was picked: the new selection, to be written into the bound date.
    void picked(quillon::Instant selection);
    // Return or Enter on the grid.
    void confirmed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMonth(Instant month, bool animated);
    void fillCells();
    QString titleOf(Instant month) const;
    // The width the longest month's title takes.
    int widestTitleWidth() const;
    // `direction` rolls the title: 1 to a later month, -1 to an earlier one, 0 at once.
    void updateHeader(int direction);
    void moveSelectionBy(int days);
    // The one day of the month on show that Tab stops at: the selected one, or the first that may
    // be picked when the selection lies in another month. The focus moves with it.
    void placeTabStop();

    Calendar m_calendar;
    std::string m_locale;
    Instant m_selection;
    Instant m_earliest;
    Instant m_month;
    Instant m_now; // the clock, for the "today" ring
    Instant m_startOfToday; // the start of the day it is in
    RollingTitle* m_title = nullptr;
    QToolButton* m_today = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QWidget* m_viewport = nullptr; // clips the grids while they slide
    QWidget* m_grid = nullptr;
    QLabel* m_outgoing = nullptr; // the month sliding away
    std::vector<DayCell*> m_cells;
    QVariantAnimation m_slide;
    int m_slideDirection = 1;
};

} // namespace quillon
