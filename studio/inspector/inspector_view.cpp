#include "studio/inspector/inspector_view.h"

#include "names/display_names.h"
#include "platform/text/user_locale.h"
#include "studio/controls/popover.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"
#include "studio/dates/countdown_date_picker.h"
#include "studio/inspector/city_picker.h"
#include "studio/inspector/clock_settings.h"
#include "studio/inspector/countdown_settings.h"
#include "studio/inspector/inspector_texts.h"
#include "studio/inspector/progress_settings.h"
#include "studio/inspector/sign_settings.h"
#include "studio/inspector/sync_note.h"
#include "studio/inspector/world_board_settings.h"
#include "studio/model/studio_model.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    m_title->setObjectName("kindTitle");
    m_title->setFont(headlineFont());
    titleRow->addWidget(m_symbol);
    titleRow->addWidget(m_title, 1);
    headerColumn->addLayout(titleRow);
    m_description = new QLabel(header);
    m_description->setObjectName("kindDescription");
    m_description->setFont(calloutFont());
    m_description->setWordWrap(true);
    makeSecondary(*m_description);
    headerColumn->addWidget(m_description);
    m_column->addWidget(header);
    m_column->addStretch();
    setWidget(content);

    m_popover = new Popover(this);
    m_popover->setObjectName("picker");

    rebuild();
    connect(&m_model, &StudioModel::kindChanged, this, &InspectorView::rebuild);
    connect(&m_model, &StudioModel::clockCityChanged, this, [this] {
        if (m_model.state().kind == DotWidgetKind::clock)
            rebuild();
    });
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
    m_kindPart = makeKindSettings(kind);
    m_kindPart->setObjectName("kindSettings");
    m_column->insertWidget(1, m_kindPart); // between the header and the stretch
    addSyncNote(*m_kindPart);
    // Shown now rather than when the event loop next runs, so that the new controls take focus
    // and keys at once; the kind's times are written as it shows.
    m_kindPart->show();
}

KindSettings* InspectorView::makeKindSettings(DotWidgetKind kind)
{
    KindSettings* part = nullptr;
    void (InspectorView::*opener)() = nullptr;
    switch (kind) {
    case DotWidgetKind::worldBoard:
        part = new WorldBoardSettings(m_model, widget());
        opener = &InspectorView::openBoardCityPicker;
        break;
    case DotWidgetKind::clock:
        part = new ClockSettings(m_model, widget());
        opener = &InspectorView::openClockCityPicker;
        break;
    case DotWidgetKind::day:
        part = new KindSettings(widget());
        break;
    case DotWidgetKind::progress:
        part = new ProgressSettings(m_model, widget());
        break;
    case DotWidgetKind::countdown:
        part = new CountdownSettings(m_model, widget());
        opener = &InspectorView::openDatePicker;
        break;
    case DotWidgetKind::sign:
        part = new SignSettings(m_model, widget());
        break;
    }
    if (QPushButton* button = part->pickerButton())
        connect(button, &QPushButton::clicked, this, opener);
    return part;
}

void InspectorView::openPicker(QWidget* content, const QString& title)
{
    m_popover->hide();
    m_popover->setContent(content);
    m_popover->setAccessibleName(title);
    m_popover->showAt(m_kindPart->pickerButton());
}

void InspectorView::openBoardCityPicker()
{
    const auto& ids = m_model.state().boardCities;
    auto* picker = new CityPicker(std::set<std::string>(ids.begin(), ids.end()), m_model.now());
    connect(picker, &CityPicker::picked, this, [this](const City& city) {
        m_model.addBoardCity(city.id);
        m_popover->hide();
    });
    openPicker(picker, tr("Add City"));
}

void InspectorView::openClockCityPicker()
{
    auto* picker = new CityPicker({}, m_model.now());
    connect(picker, &CityPicker::picked, this, [this](const City& city) {
        m_popover->hide();
        m_model.setClockCity(city.id);
        // The column was made again for the new city: the keyboard goes back to its button.
        if (QPushButton* change = m_kindPart->pickerButton())
            change->setFocus(Qt::PopupFocusReason);
    });
    openPicker(picker, tr("Change City"));
}

void InspectorView::openDatePicker()
{
    auto* picker = new CountdownDatePicker(m_model, Calendar::current(), timeLocale(), m_model.now());
    connect(picker, &CountdownDatePicker::done, m_popover, &QWidget::hide);
    openPicker(picker, tr("Date", "when a countdown ends"));
}

} // namespace quillon
