// Combo boxes whose chosen item screen readers read as the keyboard comes, and again as it changes.
// Qt gives a combo box neither text nor selection over AT-SPI, and Orca, finding neither, says a
// labelled combo box by its label alone: "Theme combo box", never which theme.
#pragma once

class QComboBox;

namespace quillon {

// In the combo box's constructor's stead: before anything asks for its accessible interface.
void speakComboBoxValue(QComboBox& box);

} // namespace quillon
