// The world board's settings: its cities, to add, remove and drag into order, and 24-hour time.
#pragma once

#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>

namespace quillon {

class BoardCityList;
class StudioModel;

class WorldBoardSettings final : public KindSettings {
    // The column's texts, which the catalogues hold under its name.
    Q_DECLARE_TR_FUNCTIONS(quillon::InspectorView)

public:
    explicit WorldBoardSettings(StudioModel& model, QWidget* parent = nullptr);

    // "Add City".
    QPushButton* pickerButton() const override { return m_addCity; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshTimes();

    StudioModel& m_model;
    BoardCityList* m_cities = nullptr;
    QPushButton* m_addCity = nullptr;
};

} // namespace quillon
