// The settings column of the studio window: the selected kind's title and description, its own
// settings, and the note that the desktop widgets follow them. Every control writes straight into
// the model, which saves at once and reloads the widgets after a burst of edits.
#pragma once

#include "scenes/dot_widget_kind.h"

#include <QScrollArea>

class QLabel;
class QVBoxLayout;

namespace quillon {

class KindSettings;
class Popover;
class StudioModel;

class InspectorView final : public QScrollArea {
    Q_OBJECT

public:
    explicit InspectorView(StudioModel& model, QWidget* parent = nullptr);

private:
    void rebuild();
    KindSettings* makeKindSettings(DotWidgetKind kind);
    void openBoardCityPicker();
    void openClockCityPicker();
    void openDatePicker();
    // Opens under the kind's picker button; `title` names the popover for screen readers.
    void openPicker(QWidget* content, const QString& title);

    StudioModel& m_model;
    Popover* m_popover = nullptr;
    QVBoxLayout* m_column = nullptr;
    KindSettings* m_kindPart = nullptr; // everything below the header, made again for each kind
    QLabel* m_symbol = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_description = nullptr;
};

} // namespace quillon
