#include "studio/inspector/inspector_view.h"

#include "platform/calendar/locale_date_format.h"
#include "platform/text/user_locale.h"
#include "studio/controls/display_names.h"
#include "studio/controls/focus_ring.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"
#include "studio/inspector/city_picker.h"
#include "studio/inspector/column_fit.h"
#include "studio/inspector/inspector_texts.h"
#include "studio/model/studio_model.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <set>

namespace quillon {
namespace {

std::string timeLocale()
{
    return text::userLocaleIdentifier("LC_TIME");
}

// One of the inspector's English texts, listed for the translation tools in inspector_texts.cpp,
// in the user's language.
QString translatedText(std::string_view english)
{
    return QCoreApplication::translate(kInspectorTextsContext, std::string(english).c_str());
}

} // namespace

InspectorView::InspectorView(StudioModel& model, QWidget* parent)
    : QScrollArea(parent)
    , m_model(model)
{
    setAccessibleName(tr("Widget Settings"));
    // The column itself is no Tab stop, only its controls: focused, it showed nothing at all, and
    // the scroll area brings each focused control into view anyway.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window's background shows through, as a grouped form's does.
    viewport()->setAutoFillBackground(false);
    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    m_column = new QVBoxLayout(content);
    m_column->setContentsMargins(14, 14, 14, 14);
    m_column->setSpacing(16);

    auto* header = new QWidget(content);
    auto* headerColumn = new QVBoxLayout(header);
    headerColumn->setContentsMargins(0, 2, 0, 2);
    headerColumn->setSpacing(4);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    m_symbol = new QLabel(header);
    m_title = new QLabel(header);
    m_title->setFont(headlineFont());
    titleRow->addWidget(m_symbol);
    titleRow->addWidget(m_title, 1);
    headerColumn->addLayout(titleRow);
    m_description = new QLabel(header);
    m_description->setFont(calloutFont());
    m_description->setWordWrap(true);
    makeSecondary(*m_description);
    headerColumn->addWidget(m_description);
    m_column->addWidget(header);

    m_kindPart = new QWidget(content);
    m_column->addWidget(m_kindPart);
    m_column->addStretch();
    setWidget(content);

    m_popover = new Popover(this);
    connect(m_popover, &Popover::closed, this, [this] { m_picking = Picking::none; });

    rebuild();
    connect(&m_model, &StudioModel::kindChanged, this, &InspectorView::rebuild);
    // Rows are made again after the click that changed them has finished: a row's own remove
    // button must not be deleted while it is still delivering its click.
    connect(
        &m_model, &StudioModel::boardCitiesChanged, this,
        [this] {
            if (m_boardCities)
                m_boardCities->rebuild();
        },
        Qt::QueuedConnection);
    connect(&m_model, &StudioModel::clockCityChanged, this, [this] {
        if (m_model.state().kind == DotWidgetKind::clock)
            rebuild();
    });
    connect(&m_model, &StudioModel::nowChanged, this, &InspectorView::refreshTimes);
    connect(&m_model, &StudioModel::use24hChanged, this, [this] {
        if (m_use24h)
            m_use24h->setChecked(m_model.state().use24h);
        refreshTimes();
        refreshDateButton();
        if (m_boardCities)
            m_boardCities->fitRows(); // the time column changed width
    });
    connect(&m_model, &StudioModel::periodChanged, this, [this] {
        const auto index = static_cast<std::size_t>(m_model.state().period);
        if (index < m_periodSegments.size())
            m_periodSegments[index]->setChecked(true);
    });
    connect(&m_model, &StudioModel::countdownTitleChanged, this, [this] {
        if (m_titleField)
            m_titleField->setTextIfDifferent(QString::fromStdString(m_model.state().countdownTitle));
        if (m_titleHint)
            m_titleHint->setVisible(showsLongTitleHint(m_model.state().countdownTitle));
    });
    connect(&m_model, &StudioModel::countdownDateChanged, this, [this] {
        refreshDateButton();
        refreshCountdown();
    });
    connect(&m_model, &StudioModel::signTextChanged, this, [this] {
        if (m_messageField)
            m_messageField->setTextIfDifferent(QString::fromStdString(m_model.state().signText));
    });
}

CityPicker* InspectorView::cityPicker() const
{
    return qobject_cast<CityPicker*>(m_popover->content());
}

CountdownDatePicker* InspectorView::datePicker() const
{
    return qobject_cast<CountdownDatePicker*>(m_popover->content());
}

QString InspectorView::countdownNoteText() const
{
    return m_dateSection ? m_dateSection->footer()->text() : QString();
}

std::vector<FormSection*> InspectorView::sections() const
{
    std::vector<FormSection*> found;
    for (QObject* child : m_kindPart->children()) {
        if (auto* section = qobject_cast<FormSection*>(child))
            found.push_back(section);
    }
    return found;
}

void InspectorView::rebuild()
{
    m_popover->hide();
    const DotWidgetKind kind = m_model.state().kind;
    m_symbol->setPixmap(symbolIcon(kindSymbol(kind)).pixmap(18, 18));
    m_title->setText(displayName(kind));
    m_description->setText(translatedText(kindDescription(kind)));

    // Made anew, so no control of the kind before is left behind.
    delete m_kindPart;
    m_kindPart = new QWidget(widget());
    m_kindColumn = new QVBoxLayout(m_kindPart);
    m_kindColumn->setContentsMargins(0, 0, 0, 0);
    m_kindColumn->setSpacing(16);
    m_column->insertWidget(1, m_kindPart);
    m_boardCities = nullptr;
    m_addCity = nullptr;
    m_clockCityRow = nullptr;
    m_changeClockCity = nullptr;
    m_use24h = nullptr;
    m_periodSegments.clear();
    m_titleField = nullptr;
    m_titleHint = nullptr;
    m_dateButton = nullptr;
    m_dateSection = nullptr;
    m_messageField = nullptr;

    switch (kind) {
    case DotWidgetKind::worldBoard:
        addWorldBoard();
        break;
    case DotWidgetKind::clock:
        addClock();
        break;
    case DotWidgetKind::day:
        break;
    case DotWidgetKind::progress:
        addProgress();
        break;
    case DotWidgetKind::countdown:
        addCountdown();
        break;
    case DotWidgetKind::sign:
        addSign();
        break;
    }
    addSyncNote();
    // Shown now rather than when the event loop next runs, so that the new controls take focus
    // and keys at once.
    m_kindPart->show();
    refreshTimes();
}

FormSection* InspectorView::addSection(const QString& title)
{
    auto* section = new FormSection(title, m_kindPart);
    m_kindColumn->addWidget(section);
    return section;
}

void InspectorView::addWorldBoard()
{
    FormSection* cities = addSection(tr("Cities"));
    m_boardCities = new BoardCityList(m_model);
    cities->addRow(m_boardCities);
    new FocusRing(*m_boardCities);
    m_addCity = new QPushButton(symbolIcon(Symbol::plus), tr("Add City"));
    m_addCity->setFlat(true);
    connect(m_addCity, &QPushButton::clicked, this, &InspectorView::openBoardCityPicker);
    auto* addRow = new QWidget;
    auto* addLayout = new QHBoxLayout(addRow);
    addLayout->setContentsMargins(0, 0, 0, 0);
    addLayout->addWidget(m_addCity);
    addLayout->addStretch();
    cities->addRow(addRow);
    cities->setFooter(tr("Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7."));
    addUse24hToggle();
}

void InspectorView::addClock()
{
    FormSection* city = addSection(tr("City"));
    m_changeClockCity = new QPushButton(tr("Change\u2026", "pick another city for the clock"));
    // Read out alone, "Change…" would not say what it changes.
    m_changeClockCity->setAccessibleName(tr("Change City"));
    connect(m_changeClockCity, &QPushButton::clicked, this, &InspectorView::openClockCityPicker);
    const City clockCity = City::find(m_model.state().clockCity).value_or(City::local());
    m_clockCityRow = new CityRow(clockCity, nullptr);
    // The button beside the city, or under it in a column too narrow for both.
    auto* row = new QWidget;
    new TrailingRowLayout(m_clockCityRow, m_changeClockCity, row);
    city->addRow(row);
    addUse24hToggle();
}

void InspectorView::addUse24hToggle()
{
    FormSection* section = addSection();
    m_use24h = new QCheckBox(tr("24-hour time"));
    m_use24h->setLayoutDirection(Qt::RightToLeft); // the switch at the trailing edge, as in a form
    m_use24h->setChecked(m_model.state().use24h);
    connect(m_use24h, &QCheckBox::toggled, this, [this](bool on) { m_model.setUse24h(on); });
    section->addRow(m_use24h);
}

void InspectorView::addProgress()
{
    FormSection* period = addSection(tr("Period", "what a progress display measures"));
    auto* segments = new QWidget;
    segments->setAccessibleName(tr("Period", "what a progress display measures"));
    auto* row = new QHBoxLayout(segments);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* group = new QButtonGroup(segments);
    for (ProgressPeriod value : kAllProgressPeriods) {
        auto* segment = new QToolButton(segments);
        segment->setText(displayName(value));
        segment->setCheckable(true);
        segment->setAutoExclusive(true);
        segment->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // In a narrow column the segments give up their padding before their text.
        segment->setMinimumWidth(segment->fontMetrics().horizontalAdvance(segment->text()) + 12);
        segment->setChecked(value == m_model.state().period);
        connect(segment, &QToolButton::toggled, this, [this, value](bool on) {
            if (on)
                m_model.setPeriod(value);
        });
        group->addButton(segment);
        row->addWidget(segment);
        m_periodSegments.push_back(segment);
    }
    period->addRow(segments);
}

void InspectorView::addCountdown()
{
    FormSection* titleSection = addSection(tr("Title", "a countdown's title"));
    m_titleField = new GrowingTextEdit(1, 3);
    m_titleField->setPlaceholderText(tr("New Year", "an example countdown title"));
    m_titleField->setAccessibleName(tr("Title", "a countdown's title"));
    m_titleField->setPlainText(QString::fromStdString(m_model.state().countdownTitle));
    connect(m_titleField, &QPlainTextEdit::textChanged, this,
        [this] { m_model.setCountdownTitle(m_titleField->toPlainText().toStdString()); });
    titleSection->addRow(m_titleField);
    titleSection->setFooter(translatedText(kLongTitleHint));
    m_titleHint = titleSection->footer();
    m_titleHint->setVisible(showsLongTitleHint(m_model.state().countdownTitle));

    m_dateSection = addSection(tr("Counting down to"));
    auto* dateRow = new QWidget;
    auto* dateLayout = new QHBoxLayout(dateRow);
    dateLayout->setContentsMargins(0, 0, 0, 0);
    auto* dateLabel = new QLabel(tr("Date", "when a countdown ends"));
    // Its date and time wrap onto a second line where the column is too narrow for one.
    m_dateButton = new WrappingPushButton(symbolIcon(Symbol::calendar), QString());
    dateLabel->setBuddy(m_dateButton);
    connect(m_dateButton, &QPushButton::clicked, this, &InspectorView::openDatePicker);
    dateLayout->addWidget(dateLabel);
    dateLayout->addStretch();
    dateLayout->addWidget(m_dateButton);
    m_dateSection->addRow(dateRow);
    refreshDateButton();
    refreshCountdown();
}

void InspectorView::addSign()
{
    FormSection* message = addSection(tr("Message", "the text a sign shows"));
    m_messageField = new GrowingTextEdit(3, 6);
    m_messageField->setAccessibleName(tr("Message", "the text a sign shows"));
    m_messageField->setPlainText(QString::fromStdString(m_model.state().signText));
    connect(m_messageField, &QPlainTextEdit::textChanged, this,
        [this] { m_model.setSignText(m_messageField->toPlainText().toStdString()); });
    message->addRow(m_messageField);
    message->setFooter(
        tr("Letters, numbers, $ \u20AC \u00A3 \u00A5 \u20B9 and ! ? % & # + - / : . , are shown; "
           "anything else becomes a space."));
}

void InspectorView::addSyncNote()
{
    FormSection* section = addSection();
    auto* note = new QWidget;
    auto* row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel;
    icon->setPixmap(
        symbolIcon(Symbol::circularArrows, palette().color(QPalette::PlaceholderText)).pixmap(16, 16));
    auto* label = new QLabel(tr("Desktop widgets follow these settings."));
    label->setFont(calloutFont());
    label->setWordWrap(true);
    makeSecondary(*label);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    section->addRow(note);
    section->setFooter(tr(
        "To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget."));
}

void InspectorView::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    refreshTimes();
}

void InspectorView::refreshTimes()
{
    // Hidden (full view, or the column switched off), nothing on it needs the time.
    if (!isVisible())
        return;
    if (m_boardCities)
        m_boardCities->refreshTimes();
    if (m_clockCityRow)
        m_clockCityRow->showTime(m_model.now(), m_model.state().use24h);
    if (m_dateSection)
        refreshCountdown();
}

void InspectorView::refreshDateButton()
{
    if (!m_dateButton)
        return;
    const Instant date = m_model.state().countdownDate;
    // The hour as the studio's clocks and the picker's time field write it, 24-hour or 12-hour,
    // in the locale's own order: not the locale's preferred hour ("j").
    const char* skeleton = m_model.state().use24h ? "EEEdMMMyHHmm" : "EEEdMMMyhmm";
    m_dateButton->setText(qText(formatLocaleSkeleton(date, TimeZone::current(), skeleton, timeLocale())));
    //: The date button's name for assistive technologies. %1 is the date and time it shows.
    m_dateButton->setAccessibleName(tr("Date, %1").arg(m_dateButton->text()));
}

void InspectorView::refreshCountdown()
{
    if (!m_dateSection)
        return;
    m_dateSection->setFooter(qText(countdownNote(m_model.state().countdownDate, m_model.now(),
        Calendar::current(), timeLocale(), m_model.state().use24h)));
}

void InspectorView::openPicker(Picking picking, QWidget* content, QWidget* anchor, const QString& title)
{
    m_popover->hide();
    m_popover->setContent(content);
    m_popover->setAccessibleName(title);
    m_picking = picking;
    m_popover->showAt(anchor);
}

void InspectorView::openBoardCityPicker()
{
    const auto& ids = m_model.state().boardCities;
    auto* picker = new CityPicker(std::set<std::string>(ids.begin(), ids.end()), m_model.now());
    connect(picker, &CityPicker::picked, this, [this](const City& city) {
        m_model.addBoardCity(city.id);
        m_popover->hide();
    });
    openPicker(Picking::boardCity, picker, m_addCity, tr("Add City"));
}

void InspectorView::openClockCityPicker()
{
    auto* picker = new CityPicker({}, m_model.now());
    connect(picker, &CityPicker::picked, this, [this](const City& city) {
        m_popover->hide();
        m_model.setClockCity(city.id);
        // The column was made again for the new city: the keyboard goes back to its button.
        if (m_changeClockCity)
            m_changeClockCity->setFocus(Qt::PopupFocusReason);
    });
    openPicker(Picking::clockCity, picker, m_changeClockCity, tr("Change City"));
}

void InspectorView::openDatePicker()
{
    auto* picker = new CountdownDatePicker(m_model, Calendar::current(), timeLocale(), m_model.now());
    connect(picker, &CountdownDatePicker::done, m_popover, &QWidget::hide);
    openPicker(Picking::date, picker, m_dateButton, tr("Date", "when a countdown ends"));
}

} // namespace quillon
