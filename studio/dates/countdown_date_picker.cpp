#include "studio/dates/countdown_date_picker.h"

#include "platform/calendar/locale_date_format.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/text_styles.h"
#include "studio/model/studio_model.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace quillon {
namespace {

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

// The locale's short time pattern cut down to hours and minutes, as a QTimeEdit wants it.
QString hourAndMinuteFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return format.isEmpty() ? QStringLiteral("HH:mm") : format;
}

} // namespace

CountdownDatePicker::CountdownDatePicker(
    StudioModel& model, Calendar calendar, std::string localeIdentifier, Instant now, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_userCalendar(calendar)
    , m_now(now)
{
    const Instant date = m_model.state().countdownDate;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 14);
    column->setSpacing(10);

    m_calendar = new MonthCalendar(calendar, localeIdentifier, date, std::min(date, now), now, this);
    connect(m_calendar, &MonthCalendar::picked, this,
        [this](Instant selection) { m_model.setCountdownDate(selection); });
    connect(m_calendar, &MonthCalendar::confirmed, this, &CountdownDatePicker::done);
    column->addWidget(m_calendar);
    column->addWidget(divider(this));

    auto* timeRow = new QHBoxLayout;
    auto* timeLabel = new QLabel(tr("Time", "time of day"), this);
    m_time = new QTimeEdit(this);
    m_time->setDisplayFormat(hourAndMinuteFormat());
    m_time->setAccessibleName(tr("Time", "time of day"));
    timeLabel->setBuddy(m_time);
    timeRow->addWidget(timeLabel);
    timeRow->addStretch();
    timeRow->addWidget(m_time);
    column->addLayout(timeRow);
    connect(m_time, &QTimeEdit::timeChanged, this, [this](QTime time) {
        const Instant current = m_model.state().countdownDate;
        m_model.setCountdownDate(m_userCalendar.settingTime(current, time.hour(), time.minute(), 0));
    });
    column->addWidget(divider(this));

    auto* quick = new QVBoxLayout;
    quick->setSpacing(6);
    auto* heading = new QLabel(tr("Quick dates"), this);
    QFont headingFont = captionFont();
    headingFont.setWeight(QFont::DemiBold);
    heading->setFont(headingFont);
    makeSecondary(*heading);
    quick->addWidget(heading);
    for (QuickDate quickDateCase : kAllQuickDates) {
        const Instant target = quickDate(quickDateCase, m_now, m_userCalendar);
        auto* button = new QPushButton(this);
        button->setFlat(true);
        const QString labelText
            = QCoreApplication::translate(kQuickDateContext, std::string(label(quickDateCase)).c_str());
        button->setAccessibleName(labelText);
        auto* inside = new QHBoxLayout(button);
        inside->setContentsMargins(6, 2, 6, 2);
        auto* name = new QLabel(labelText, button);
        auto* when = new QLabel(
            qText(formatLocaleSkeleton(target, m_userCalendar.timeZone(), "dMMM", localeIdentifier)), button);
        makeSecondary(*when);
        for (QLabel* part : {name, when})
            part->setAttribute(Qt::WA_TransparentForMouseEvents);
        inside->addWidget(name);
        inside->addStretch();
        inside->addWidget(when);
        button->setMinimumHeight(inside->sizeHint().height());
        button->setToolTip(when->text());
        connect(button, &QPushButton::clicked, this, [this, quickDateCase] {
            m_model.setCountdownDate(quickDate(quickDateCase, m_now, m_userCalendar));
        });
        m_quickDates[static_cast<std::size_t>(quickDateCase)] = button;
        quick->addWidget(button);
    }
    column->addLayout(quick);

    connect(&m_model, &StudioModel::countdownDateChanged, this, &CountdownDatePicker::follow);
    connect(
        &m_model, &StudioModel::nowChanged, m_calendar, [this] { m_calendar->refreshToday(m_model.now()); });
    follow();
    setFocusProxy(m_calendar);
}

void CountdownDatePicker::follow()
{
    const Instant date = m_model.state().countdownDate;
    m_calendar->setSelection(date);
    const DateComponents fields = m_userCalendar.components(date);
    const QSignalBlocker quiet(m_time);
    m_time->setTime(QTime(fields.hour, fields.minute));
}

} // namespace quillon
