// The clock's settings: its city, to change in a picker, and 24-hour time.
#pragma once

#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>

namespace quillon {

class CityRow;
class StudioModel;

class ClockSettings final : public KindSettings {
    // The column's texts, which the catalogues hold under its name.
    Q_DECLARE_TR_FUNCTIONS(quillon::InspectorView)

public:
    // Shows the model's clock city; another city makes the column again.
    explicit ClockSettings(StudioModel& model, QWidget* parent = nullptr);

    // "Change…", beside the city.
    QPushButton* pickerButton() const override { return m_changeCity; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshTime();

    StudioModel& m_model;
    CityRow* m_cityRow = nullptr;
    QPushButton* m_changeCity = nullptr;
};

} // namespace quillon
