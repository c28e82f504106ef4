// The settings column of the studio window: the selected kind's title and description, its own
// settings, and the note that the desktop widgets follow them. Every control writes straight into
// the model, which saves at once and reloads the widgets after a burst of edits.
#pragma once

#include "studio/controls/form_section.h"
#include "studio/controls/growing_text_edit.h"
#include "studio/controls/popover.h"
#include "studio/dates/countdown_date_picker.h"
#include "studio/inspector/board_city_list.h"
#include "studio/inspector/city_row.h"

#include <QScrollArea>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace quillon {

class StudioModel;
class CityPicker;

class InspectorView final : public QScrollArea {
    Q_OBJECT

public:
    enum class Picking { none, boardCity, clockCity, date };

    explicit InspectorView(StudioModel& model, QWidget* parent = nullptr);

    Picking picking() const { return m_picking; }
    Popover* popover() const { return m_popover; }
    CityPicker* cityPicker() const;
    CountdownDatePicker* datePicker() const;

    void openBoardCityPicker();
    void openClockCityPicker();
    void openDatePicker();

    // The parts on show for the selected kind; null where the kind has none.
    QLabel* titleLabel() const { return m_title; }
    QLabel* descriptionLabel() const { return m_description; }
    BoardCityList* boardCities() const { return m_boardCities; }
    QPushButton* addCityButton() const { return m_addCity; }
    CityRow* clockCityRow() const { return m_clockCityRow; }
    QPushButton* changeClockCityButton() const { return m_changeClockCity; }
    QCheckBox* use24hToggle() const { return m_use24h; }
    const std::vector<QAbstractButton*>& periodSegments() const { return m_periodSegments; }
    GrowingTextEdit* titleField() const { return m_titleField; }
    QLabel* titleHint() const { return m_titleHint; }
    QPushButton* dateButton() const { return m_dateButton; }
    QString countdownNoteText() const;
    GrowingTextEdit* messageField() const { return m_messageField; }
    // Every section below the header, the sync note's included.
    std::vector<FormSection*> sections() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuild();
    void addWorldBoard();
    void addClock();
    void addProgress();
    void addCountdown();
    void addSign();
    void addUse24hToggle();
    void addSyncNote();
    FormSection* addSection(const QString& title = {});
    void refreshTimes();
    void refreshDateButton();
    void refreshCountdown();
    // `title` names the popover for screen readers.
    void openPicker(Picking picking, QWidget* content, QWidget* anchor, const QString& title);

    StudioModel& m_model;
    Picking m_picking = Picking::none;
    Popover* m_popover = nullptr;
    QVBoxLayout* m_column = nullptr;
    QWidget* m_kindPart = nullptr; // everything below the header, made again for each kind
    QVBoxLayout* m_kindColumn = nullptr;
    QLabel* m_symbol = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_description = nullptr;
    BoardCityList* m_boardCities = nullptr;
    QPushButton* m_addCity = nullptr;
    CityRow* m_clockCityRow = nullptr;
    QPushButton* m_changeClockCity = nullptr;
    QCheckBox* m_use24h = nullptr;
    std::vector<QAbstractButton*> m_periodSegments;
    GrowingTextEdit* m_titleField = nullptr;
    QLabel* m_titleHint = nullptr;
    QPushButton* m_dateButton = nullptr;
    FormSection* m_dateSection = nullptr;
    GrowingTextEdit* m_messageField = nullptr;
};

} // namespace quillon
