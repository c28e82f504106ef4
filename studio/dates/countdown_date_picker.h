// The countdown's date, picked in a popover: a month calendar, the time of day, and four quick
// dates. The bound date in the model is the one source of truth; every control follows it.
#pragma once

#include "platform/calendar/calendar.h"
#include "studio/dates/month_calendar.h"
#include "studio/dates/quick_date.h"

#include <QWidget>

#include <array>

class QLocale;
class QPushButton;
class QTimeEdit;

namespace quillon {

class StudioModel;

// The locale's short time format cut down to hours and minutes, as a QTimeEdit wants it, in 24-hour
// time ("HH:mm", "H:mm", "HH 'h' mm") or 12-hour time ("h:mm AP", "AP h:mm") as the studio's
// clocks are, whichever the locale itself prefers.
QString hourAndMinuteFormat(const QLocale& locale, bool use24h);

class CountdownDatePicker final : public QWidget {
    Q_OBJECT

public:
    // `now` is the moment the picker was opened; the quick dates count from it.
    CountdownDatePicker(StudioModel& model, Calendar calendar, std::string localeIdentifier, Instant now,
        QWidget* parent = nullptr);

    MonthCalendar* calendar() const { return m_calendar; }
    QTimeEdit* timeField() const { return m_time; }
    QPushButton* quickDateButton(QuickDate date) const
    {
        return m_quickDates[static_cast<std::size_t>(date)];
    }

signals:
    // The user confirmed with Return on the calendar.
    void done();

private:
    void follow();
    // The time field in the studio's 12- or 24-hour time.
    void showHourCycle();

    StudioModel& m_model;
    Calendar m_userCalendar;
    std::string m_locale;
    Instant m_now;
    MonthCalendar* m_calendar = nullptr;
    QTimeEdit* m_time = nullptr;
    std::array<QPushButton*, kAllQuickDates.size()> m_quickDates {};
};

} // namespace quillon
