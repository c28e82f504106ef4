// The clock's part of the settings column.
#include "studio/inspector/clock_settings.h"

#include "names/city_display_names.h"
#include "studio/controls/form_section.h"
#include "studio/inspector/city_row.h"
#include "studio/inspector/column_fit.h"
#include "studio/inspector/use_24h_toggle.h"
#include "studio/model/studio_model.h"

#include <QPushButton>

namespace quillon {

ClockSettings::ClockSettings(StudioModel& model, QWidget* parent)
    : KindSettings(parent)
    , m_model(model)
{
    FormSection* city = addSection(tr("City"));
    m_changeCity = new QPushButton(tr("Change\u2026", "pick another city for the clock"));
    m_changeCity->setObjectName("changeClockCity");
    // Read out alone, "Change…" would not say what it changes.
    m_changeCity->setAccessibleName(tr("Change City"));
    const City clockCity = City::find(m_model.state().clockCity).value_or(City::local());
    // And the city it would change from.
    m_changeCity->setAccessibleDescription(cityName(clockCity));
    m_cityRow = new CityRow(clockCity, nullptr);
    m_cityRow->setObjectName("clockCity");
    // The button beside the city, or under it in a column too narrow for both.
    auto* row = new QWidget;
    new TrailingRowLayout(m_cityRow, m_changeCity, row);
    city->addRow(row);
    addUse24hToggle(*this, m_model);

    connect(&m_model, &StudioModel::nowChanged, this, &ClockSettings::refreshTime);
    connect(&m_model, &StudioModel::use24hChanged, this, &ClockSettings::refreshTime);
}

void ClockSettings::showEvent(QShowEvent* event)
{
    KindSettings::showEvent(event);
    refreshTime();
}

void ClockSettings::refreshTime()
{
    // Hidden (full view, or the column switched off), nothing on it needs the time.
    if (isVisible())
        m_cityRow->showTime(m_model.now(), m_model.state().use24h);
}

} // namespace quillon
