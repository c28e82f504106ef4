// Checkable buttons that are one choice of several, as screen readers should know them: radio
// buttons, checked when chosen. Qt would call any checkable button a check box.
#pragma once

#include <QString>

#include <vector>

class QAbstractButton;
class QWidget;

namespace quillon {

// Marks the button as one choice of its group; in its constructor, before anything asks for its
// accessible interface.
void presentAsRadioButton(QAbstractButton& button);

// Makes checkable, exclusive buttons one group of radio buttons, as the keyboard and screen readers
// know one: `group`, their parent and nothing else's, is a grouping named `name` that screen readers
// say as the keyboard enters it; Tab stops at the checked button only; the arrow keys check the one
// beside it and move the keyboard there. Before anything asks for their accessible interfaces.
void makeRadioGroup(QWidget& group, const QString& name, const std::vector<QAbstractButton*>& buttons);

} // namespace quillon
