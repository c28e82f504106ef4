#include "studio/dates/month_calendar.h"

#include "platform/calendar/locale_date_format.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/spring.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"
#include "studio/dates/day_cell.h"
#include "studio/dates/month_grid.h"
#include "studio/dates/rolling_title.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

QToolButton* headerButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    // Tab reaches them, as it reaches the day.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

MonthCalendar::MonthCalendar(Calendar calendar, std::string localeIdentifier, Instant selection,
    Instant earliest, Instant now, QWidget* parent)
    : QWidget(parent)
    , m_calendar(std::move(calendar))
    , m_locale(std::move(localeIdentifier))
    , m_selection(selection)
    , m_earliest(earliest)
    , m_month(startOfMonth(selection, m_calendar))
    , m_now(now)
    , m_startOfToday(m_calendar.startOfDay(m_now))
{
    setAccessibleName(tr("Calendar"));
    const int gridWidth = 7 * kCellSide + 6 * kCellGap;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    auto* header = new QHBoxLayout;
    header->setSpacing(2);
    m_title = new RollingTitle(this);
    header->addWidget(m_title, 1);
    m_today = headerButton(this);
    m_today->setText(tr("Today", "calendar button: go to this month"));
    m_today->setFont(calloutFont());
    connect(m_today, &QToolButton::clicked, this, &MonthCalendar::showEarliestMonth);
    m_previous = headerButton(this);
    m_previous->setIcon(symbolIcon(Symbol::chevronLeft));
    m_previous->setToolTip(tr("Previous month"));
    m_previous->setAccessibleName(tr("Previous month"));
    connect(m_previous, &QToolButton::clicked, this, [this] { stepMonth(-1); });
    m_next = headerButton(this);
    m_next->setIcon(symbolIcon(Symbol::chevronRight));
    m_next->setToolTip(tr("Next month"));
    m_next->setAccessibleName(tr("Next month"));
    connect(m_next, &QToolButton::clicked, this, [this] { stepMonth(1); });
    header->addWidget(m_previous);
    header->addWidget(m_next);
    column->addLayout(header);
    // Today sits beside the title while the longest month's title fits there with it; where it does
    // not (French "septembre 2026" beside "Aujourd'hui"), on a line of its own under the title.
    const int besideTitle = m_today->sizeHint().width() + m_previous->sizeHint().width()
        + m_next->sizeHint().width() + 3 * header->spacing();
    if (widestTitleWidth() + besideTitle <= gridWidth) {
        header->insertWidget(1, m_today);
    } else {
        auto* todayLine = new QHBoxLayout;
        todayLine->addStretch(1);
        todayLine->addWidget(m_today);
        column->addLayout(todayLine);
    }

    auto* weekdays = new QHBoxLayout;
    weekdays->setSpacing(kCellGap);
    const std::array<std::string, 7> symbols = veryShortWeekdaySymbols(m_locale);
    for (int index = 0; index < 7; ++index) {
        auto* label = new QLabel(
            qText(symbols[static_cast<std::size_t>((index + m_calendar.firstWeekday() - 1) % 7)]), this);
        QFont font = captionFont();
        font.setWeight(QFont::Medium);
        label->setFont(font);
        makeSecondary(*label);
        label->setFixedWidth(kCellSide);
        label->setAlignment(Qt::AlignCenter);
        weekdays->addWidget(label);
    }
    weekdays->addStretch();
    column->addLayout(weekdays);

    m_viewport = new QWidget(this);
    m_viewport->setFixedSize(gridWidth, 6 * kCellSide + 5 * kCellGap);
    m_grid = new QWidget(m_viewport);
    m_grid->setFixedSize(m_viewport->size());
    auto* cells = new QGridLayout(m_grid);
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setSpacing(kCellGap);
    for (int index = 0; index < kMonthGridDays; ++index) {
        auto* cell = new DayCell(m_grid);
        connect(cell, &DayCell::clicked, this, [this, cell] { pickDay(cell->day()); });
        cells->addWidget(cell, index / 7, index % 7);
        m_cells.push_back(cell);
    }
    m_outgoing = new QLabel(m_viewport);
    m_outgoing->hide();
    column->addWidget(m_viewport);
    setFixedWidth(gridWidth);

    m_slide.setStartValue(0.0);
    m_slide.setEndValue(1.0);
    m_slide.setDuration(static_cast<int>(kMonthChangeSpring.settlingSeconds() * 1000));
    connect(&m_slide, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double progress
            = kMonthChangeSpring.progress(value.toDouble() * kMonthChangeSpring.settlingSeconds());
        const int width = m_viewport->width();
        const int offset = static_cast<int>(std::lround((1 - progress) * width)) * m_slideDirection;
        m_grid->move(offset, 0);
        m_outgoing->move(offset - m_slideDirection * width, 0);
        m_title->setProgress(progress);
    });
    connect(&m_slide, &QVariantAnimation::finished, this, [this] {
        m_grid->move(0, 0);
        m_outgoing->hide();
        m_title->setProgress(1);
    });
    showMonth(m_month, false);
}

QString MonthCalendar::titleText() const
{
    return m_title->text();
}

void MonthCalendar::setSelection(Instant selection)
{
    m_selection = selection;
    fillCells();
}

void MonthCalendar::refreshToday(Instant now)
{
    m_now = now;
    const Instant today = m_calendar.startOfDay(now);
    if (today == m_startOfToday)
        return;
    m_startOfToday = today;
    fillCells();
}

void MonthCalendar::pickDay(Instant day)
{
    if (day < m_calendar.startOfDay(m_earliest))
        return;
    m_selection = selectingDay(day, m_selection, m_calendar);
    const Instant month = startOfMonth(day, m_calendar);
    if (month != m_month)
        showMonth(month, true);
    else
        fillCells();
    emit picked(m_selection);
}

void MonthCalendar::stepMonth(int months)
{
    if (months < 0 && !canStepBack(m_month, m_earliest, m_calendar))
        return;
    if (const auto month = steppingMonth(m_month, months, m_calendar))
        showMonth(*month, true);
}

void MonthCalendar::showEarliestMonth()
{
    const Instant month = startOfMonth(m_earliest, m_calendar);
    if (month != m_month)
        showMonth(month, true);
}

void MonthCalendar::showMonth(Instant month, bool animated)
{
    const bool forward = month > m_month;
    animated = animated && isVisible();
    if (animated) {
        m_outgoing->setPixmap(m_grid->grab());
        m_outgoing->resize(m_grid->size());
        m_outgoing->show();
        m_slideDirection = forward ? 1 : -1;
    }
    m_month = month;
    fillCells();
    updateHeader(animated ? (forward ? 1 : -1) : 0);
    if (animated) {
        m_slide.stop();
        m_slide.start();
    }
}

void MonthCalendar::fillCells()
{
    const std::vector<Instant> days = monthGridDays(m_month, m_calendar);
    const Instant now = m_now;
    const TimeZone& zone = m_calendar.timeZone();
    for (std::size_t index = 0; index < m_cells.size(); ++index) {
        DayCell* cell = m_cells[index];
        if (index >= days.size()) {
            cell->hide();
            continue;
        }
        const Instant day = days[index];
        const DayCellState state = dayCellState(day, m_month, m_selection, m_earliest, now, m_calendar);
        cell->showDay(day, qText(formatDayOfMonth(day, zone, m_locale)),
            qText(formatLocaleDate(day, zone, DateStyle::fullStyle, DateStyle::none, m_locale)), state);
        cell->show();
    }
    placeTabStop();
}

void MonthCalendar::placeTabStop()
{
    const auto pickable = [](const DayCell* cell) {
        return !cell->isHidden() && cell->state().selectable && cell->state().inMonth;
    };
    auto stop = std::find_if(m_cells.begin(), m_cells.end(),
        [&](const DayCell* cell) { return pickable(cell) && cell->state().selected; });
    if (stop == m_cells.end())
        stop = std::find_if(m_cells.begin(), m_cells.end(), pickable);
    DayCell* tabStop = stop == m_cells.end() ? nullptr : *stop;
    const bool hadFocus
        = std::any_of(m_cells.begin(), m_cells.end(), [](const DayCell* cell) { return cell->hasFocus(); });
    for (DayCell* cell : m_cells)
        cell->setFocusPolicy(cell == tabStop ? Qt::StrongFocus : Qt::NoFocus);
    // Focus given to the calendar, as the date picker gives it, lands on the tab stop.
    setFocusProxy(tabStop);
    if (hadFocus && tabStop && !tabStop->hasFocus())
        tabStop->setFocus(Qt::OtherFocusReason);
}

QString MonthCalendar::titleOf(Instant month) const
{
    return qText(formatLocaleSkeleton(month, m_calendar.timeZone(), "MMMMy", m_locale));
}

int MonthCalendar::widestTitleWidth() const
{
    // The months of a year from the selection's: each language's longest month is among them.
    int widest = 0;
    Instant month = startOfMonth(m_selection, m_calendar);
    for (int index = 0; index < 12; ++index) {
        widest = std::max(widest, m_title->sizeHintFor(titleOf(month)).width());
        month = m_calendar.addingMonths(month, 1);
    }
    return widest;
}

void MonthCalendar::updateHeader(int direction)
{
    m_title->setText(titleOf(m_month), direction);
    m_today->setEnabled(canGoToToday(m_month, m_earliest, m_calendar));
    m_previous->setEnabled(canStepBack(m_month, m_earliest, m_calendar));
}

void MonthCalendar::moveSelectionBy(int days)
{
    // After Page Up or Down the selection lies in another month: the arrows go on from the day
    // the keyboard is on.
    const auto* stop = static_cast<const DayCell*>(focusProxy());
    const Instant from = stop && !stop->state().selected ? stop->day() : m_selection;
    const Instant day = m_calendar.addingDays(m_calendar.startOfDay(from), days);
    pickDay(m_calendar.startOfDay(day));
}

void MonthCalendar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelectionBy(layoutDirection() == Qt::RightToLeft ? 1 : -1);
        return;
    case Qt::Key_Right:
        moveSelectionBy(layoutDirection() == Qt::RightToLeft ? -1 : 1);
        return;
    case Qt::Key_Up:
        moveSelectionBy(-7);
        return;
    case Qt::Key_Down:
        moveSelectionBy(7);
        return;
    case Qt::Key_PageUp:
        stepMonth(-1);
        return;
    case Qt::Key_PageDown:
        stepMonth(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit confirmed();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace quillon
