#include "studio/controls/choice_accessibility.h"

#include "platform/accessibility/accessible_role.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>

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

    // Named by its text, as a button is, where it has no name of its own.
    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = button()->text().remove(u'&');
        return text;
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

void installChoiceFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(choiceFactory);
        return true;
    }();
    (void)installed;
}

// The arrow keys of a radio group: the button before or after the one with the keyboard is checked
// and takes the keyboard, round from the last to the first.
class RadioGroupKeys final : public QObject {
public:
    RadioGroupKeys(std::vector<QAbstractButton*> buttons, QObject* parent)
        : QObject(parent)
        , m_buttons(std::move(buttons))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
        if (found == m_buttons.end())
            return false;
        const bool reversed = (*found)->layoutDirection() == Qt::RightToLeft;
        const int key = static_cast<QKeyEvent*>(event)->key();
        int step = 0;
        if (key == Qt::Key_Up || key == (reversed ? Qt::Key_Right : Qt::Key_Left))
            step = -1;
        else if (key == Qt::Key_Down || key == (reversed ? Qt::Key_Left : Qt::Key_Right))
            step = 1;
        if (step == 0)
            return false;
        const auto count = std::ssize(m_buttons);
        QAbstractButton* next
            = m_buttons[static_cast<std::size_t>((found - m_buttons.begin() + step + count) % count)];
        next->click();
        next->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    std::vector<QAbstractButton*> m_buttons;
};

} // namespace

void makeRadioGroup(QWidget& group, const QString& name, const std::vector<QAbstractButton*>& buttons)
{
    presentWithRole(group, QAccessible::Grouping);
    group.setAccessibleName(name);
    auto* keys = new RadioGroupKeys(buttons, &group);
    for (QAbstractButton* button : buttons) {
        presentAsRadioButton(*button);
        button->installEventFilter(keys);
        const auto followCheck
            = [button](bool checked) { button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); };
        followCheck(button->isChecked());
        QObject::connect(button, &QAbstractButton::toggled, button, followCheck);
    }
}

void presentAsRadioButton(QAbstractButton& button)
{
    installChoiceFactory();
    button.setProperty(kRadioChoiceProperty, true);
}

} // namespace quillon
