// A widget with the role screen readers should know it by, where Qt's own guess is wrong: a panel
// Qt calls a filler, a popup that is a dialog, a window that stands for something drawn elsewhere.
#pragma once

#include <QAccessible>

class QWidget;

namespace quillon {

// Before anything asks for the widget's accessible interface, which Qt then keeps.
void presentWithRole(QWidget& widget, QAccessible::Role role);

} // namespace quillon
