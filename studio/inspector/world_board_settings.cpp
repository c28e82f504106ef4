// The world board's part of the settings column.
#include "studio/inspector/world_board_settings.h"

#include "studio/controls/focus_ring.h"
#include "studio/controls/form_section.h"
#include "studio/controls/symbols.h"
#include "studio/inspector/board_city_list.h"
#include "studio/inspector/use_24h_toggle.h"
#include "studio/model/studio_model.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quillon {

WorldBoardSettings::WorldBoardSettings(StudioModel& model, QWidget* parent)
    : KindSettings(parent)
    , m_model(model)
{
    FormSection* cities = addSection(tr("Cities"));
    m_cities = new BoardCityList(m_model);
    m_cities->setObjectName("boardCities");
    cities->addRow(m_cities);
    new FocusRing(*m_cities);
    m_addCity = new QPushButton(symbolIcon(Symbol::plus), tr("Add City"));
    m_addCity->setObjectName("addCity");
    m_addCity->setFlat(true);
    auto* addRow = new QWidget;
    auto* addLayout = new QHBoxLayout(addRow);
    addLayout->setContentsMargins(0, 0, 0, 0);
    addLayout->addWidget(m_addCity);
    addLayout->addStretch();
    cities->addRow(addRow);
    cities->setFooter(tr("Drag to reorder. Medium shows 4 rows, Large 8, Extra Large 7."));
    addUse24hToggle(*this, m_model);

    // Rows are made again after the click that changed them has finished: a row's own remove
    // button must not be deleted while it is still delivering its click.
    connect(
        &m_model, &StudioModel::boardCitiesChanged, m_cities, &BoardCityList::rebuild, Qt::QueuedConnection);
    connect(&m_model, &StudioModel::nowChanged, this, &WorldBoardSettings::refreshTimes);
    connect(&m_model, &StudioModel::use24hChanged, this, [this] {
        refreshTimes();
        m_cities->fitRows(); // the time column changed width
    });
}

void WorldBoardSettings::showEvent(QShowEvent* event)
{
    KindSettings::showEvent(event);
    refreshTimes();
}

void WorldBoardSettings::refreshTimes()
{
    // Hidden (full view, or the column switched off), nothing on it needs the time.
    if (isVisible())
        m_cities->refreshTimes();
}

} // namespace quillon
