// Return and Enter press the push button that has the keyboard, as they do in a dialog: Qt leaves
// that to the buttons of dialogs, and the studio's buttons are in its window and its popovers.
#pragma once

class QObject;

namespace quillon {

// For as long as `owner` lives.
void letReturnPressButtons(QObject& owner);

} // namespace quillon
