#include "studio/controls/choice_accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace quillon {
namespace {

constexpr const char* kRadioChoiceProperty = "quillonRadioChoice";

class RadioChoiceInterface final : public QAccessibleWidget {
public:
    explicit RadioChoiceInterface(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* choiceFactory(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button || !button->property(kRadioChoiceProperty).toBool())
        return nullptr;
    return new RadioChoiceInterface(button);
}

} // namespace

void presentAsRadioButton(QAbstractButton& button)
{
    static const bool installed = [] {
        QAccessible::installFactory(choiceFactory);
        return true;
    }();
    (void)installed;
    button.setProperty(kRadioChoiceProperty, true);
}

} // namespace quillon
