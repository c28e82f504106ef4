#include "studio/controls/return_presses_buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace quillon {
namespace {

class ReturnPressesButtons final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        // A dialog's buttons, which Qt makes default ones, press themselves.
        if (!button || !button->hasFocus() || !button->isEnabled() || button->autoDefault()
            || button->isDefault())
            return false;
        button->animateClick();
        return true;
    }
};

} // namespace

void letReturnPressButtons(QObject& owner)
{
    qApp->installEventFilter(new ReturnPressesButtons(&owner));
}

} // namespace quillon
