// The countdown's settings: its title, and the date it counts down to with the note of how far off
// that is.
#pragma once

#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>

namespace quillon {

class FormSection;
class GrowingTextEdit;
class StudioModel;

class CountdownSettings final : public KindSettings {
    // The column's texts, which the catalogues hold under its name.
    Q_DECLARE_TR_FUNCTIONS(quillon::InspectorView)

public:
    explicit CountdownSettings(StudioModel& model, QWidget* parent = nullptr);

    // The date button, which shows the date and time counted down to.
    QPushButton* pickerButton() const override { return m_dateButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What the dots make of the title, and the long title hint from its 33rd character on.
    void refreshTitleFooter();
    void refreshDateButton();
    // The date section's note, which counts the days from the model's clock.
    void refreshCountdown();

    StudioModel& m_model;
    GrowingTextEdit* m_titleField = nullptr;
    FormSection* m_titleSection = nullptr;
    FormSection* m_dateSection = nullptr;
    QPushButton* m_dateButton = nullptr;
};

} // namespace quillon
