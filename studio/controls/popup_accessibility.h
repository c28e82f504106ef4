// Popovers as screen readers should meet them: a dialog named by its title, said as the keyboard
// enters it, and, as it closes, the keyboard back on the control that opened it, which they then say
// rather than the window around it.
#pragma once

class QWidget;

namespace quillon {

// Makes the popup a dialog to screen readers; in its constructor, before anything asks for its
// accessible interface. Its accessible name is its title.
void presentAsPopover(QWidget& popup);

// Gives the keyboard back to `opener` while `popup`, about to hide, still has it: Qt would hand it
// back after the popup is gone, and screen readers would then hear the window come back instead.
void returnKeyboardTo(QWidget* opener, const QWidget& popup);

} // namespace quillon
