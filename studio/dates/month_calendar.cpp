#include "studio/dates/month_calendar.h"

#include "platform/calendar/locale_date_format.h"
#include "studio/controls/choice_accessibility.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/spring.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
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
    return button;
}

} // namespace

RollingTitle::RollingTitle(QWidget* parent)
    : QWidget(parent)
{
    setFont(headlineFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RollingTitle::setText(const QString& text, int direction)
{
    m_previous = m_text;
    m_text = text;
    m_direction = direction;
    m_progress = direction == 0 ? 1 : 0;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void RollingTitle::setProgress(double progress)
{
    m_progress = progress;
    update();
}

QSize RollingTitle::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_text) + 4, fontMetrics().height() + 2};
}

void RollingTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    const int travel = height();
    const auto draw = [&](const QString& text, double offset, double opacity) {
        painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
        painter.drawText(rect().translated(0, static_cast<int>(std::lround(offset))),
            Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    if (m_direction != 0 && m_progress < 1) {
        // The old month leaves the way the new one comes from.
        draw(m_previous, -m_direction * m_progress * travel, 1 - m_progress);
        draw(m_text, m_direction * (1 - m_progress) * travel, m_progress);
    } else {
        draw(m_text, 0, 1);
    }
}

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
    header->addWidget(m_today);
    header->addWidget(m_previous);
    header->addWidget(m_next);
    column->addLayout(header);

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

void MonthCalendar::updateHeader(int direction)
{
    m_title->setText(
        qText(formatLocaleSkeleton(m_month, m_calendar.timeZone(), "MMMMy", m_locale)), direction);
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
