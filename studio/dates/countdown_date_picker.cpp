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

#include <vector>

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

// A part of a QTimeEdit format: a field ("hh", "AP", "ss"), or the text between fields.
struct FormatPart {
    QString text;
    QChar field; // the field's letter, null for text
};

std::vector<FormatPart> formatParts(const QString& format)
{
    std::vector<FormatPart> parts;
    for (qsizetype index = 0; index < format.size();) {
        const QChar character = format[index];
        qsizetype end = index + 1;
        if (character == u'\'') {
            // Quoted text runs to the next lone quote; two quotes are one quote within it.
            while (end < format.size()) {
                if (format[end] == u'\'' && end + 1 < format.size() && format[end + 1] == u'\'')
                    end += 2;
                else if (format[end++] == u'\'')
                    break;
            }
            parts.push_back({format.mid(index, end - index), QChar()});
        } else if (character == u'A' || character == u'a') {
            // "AP", "ap", "A" or "a": the day period.
            if (end < format.size() && (format[end] == u'P' || format[end] == u'p'))
                ++end;
            parts.push_back({format.mid(index, end - index), u'a'});
        } else if (character.isLetter()) {
            while (end < format.size() && format[end] == character)
                ++end;
            parts.push_back({format.mid(index, end - index), character});
        } else {
            while (end < format.size() && !format[end].isLetter() && format[end] != u'\'')
                ++end;
            parts.push_back({format.mid(index, end - index), QChar()});
        }
        index = end;
    }
    return parts;
}

} // namespace

QString hourAndMinuteFormat(const QLocale& locale, bool use24h)
{
    std::vector<FormatPart> parts = formatParts(locale.timeFormat(QLocale::ShortFormat));
    // Seconds, fractions and the zone go, and in 24-hour time the day period, each with the text
    // that joins it to the field before it (or, first in the format, to the one after it).
    const auto dropped = [use24h](const FormatPart& part) {
        return part.field == u's' || part.field == u'z' || part.field == u't'
            || (use24h && part.field == u'a');
    };
    for (std::size_t index = 0; index < parts.size();) {
        if (!dropped(parts[index])) {
            ++index;
            continue;
        }
        const auto isJoin = [&](std::size_t at) {
            return at < parts.size() && parts[at].field.isNull() && !parts[at].text.startsWith(u'\'');
        };
        std::size_t first = index;
        std::size_t last = index;
        if (index > 0 && isJoin(index - 1))
            first = index - 1;
        else if (isJoin(index + 1))
            last = index + 1;
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(first),
            parts.begin() + static_cast<std::ptrdiff_t>(last) + 1);
        index = first;
    }
    QString format;
    bool hasHour = false;
    bool hasDayPeriod = false;
    for (const FormatPart& part : parts) {
        if (part.field == u'h' || part.field == u'H') {
            hasHour = true;
            // A 12-hour locale's hour in 24-hour time is written with two digits, as ICU's are.
            if (use24h)
                format += part.field == u'H' ? part.text : QStringLiteral("HH");
            else
                format += part.field == u'h' ? part.text : QStringLiteral("h");
        } else {
            hasDayPeriod = hasDayPeriod || part.field == u'a';
            format += part.text;
        }
    }
    if (!hasHour)
        return use24h ? QStringLiteral("HH:mm") : QStringLiteral("h:mm AP");
    if (!use24h && !hasDayPeriod)
        format += QStringLiteral(" AP");
    return format.trimmed();
}

CountdownDatePicker::CountdownDatePicker(
    StudioModel& model, Calendar calendar, std::string localeIdentifier, Instant now, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_userCalendar(calendar)
    , m_locale(localeIdentifier)
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
    showHourCycle();
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
    connect(&m_model, &StudioModel::use24hChanged, this, &CountdownDatePicker::showHourCycle);
    connect(
        &m_model, &StudioModel::nowChanged, m_calendar, [this] { m_calendar->refreshToday(m_model.now()); });
    follow();
    setFocusProxy(m_calendar);
}

void CountdownDatePicker::showHourCycle()
{
    // The locale the dates are written in, rather than the one the program started in.
    const QLocale locale(QString::fromStdString(m_locale));
    const QSignalBlocker quiet(m_time);
    m_time->setLocale(locale);
    m_time->setDisplayFormat(hourAndMinuteFormat(locale, m_model.state().use24h));
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
