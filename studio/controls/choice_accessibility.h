// Checkable buttons that are one choice of several, as screen readers should know them: radio
// buttons, checked when chosen. Qt would call any checkable button a check box.
#pragma once

class QAbstractButton;

namespace quillon {

// Marks the button as one choice of its group; in its constructor, before anything asks for its
// accessible interface.
void presentAsRadioButton(QAbstractButton& button);

} // namespace quillon
