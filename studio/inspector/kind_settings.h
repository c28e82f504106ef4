// The part of the settings column under its header: the selected kind's own sections, none for the
// day, and what the column adds under them. Made again whenever another kind is selected.
#pragma once

#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace quillon {

class FormSection;

class KindSettings : public QWidget {
public:
    explicit KindSettings(QWidget* parent = nullptr);

    // A section under the ones before it; an empty title leaves the heading out.
    FormSection* addSection(const QString& title = {});
    // The button that opens the kind's picker of a city or a date, which the picker is anchored
    // to; null where the kind has none.
    virtual QPushButton* pickerButton() const { return nullptr; }

private:
    QVBoxLayout* m_column = nullptr;
};

} // namespace quillon
