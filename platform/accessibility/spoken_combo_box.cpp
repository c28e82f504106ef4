#include "platform/accessibility/spoken_combo_box.h"

#include "platform/accessibility/announcer.h"
#include "platform/accessibility/read_only_text.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace quillon {
namespace {

constexpr const char* kSpokenProperty = "quillonSpokenComboBox";
constexpr const char* kShownTextProperty = "quillonShownText";

// Its text is the chosen item's, read only; its one child the list it opens.
class ComboValueInterface final : public QAccessibleWidget, public ReadOnlyTextInterface {
public:
    explicit ComboValueInterface(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QLatin1String("activated(int)"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using ReadOnlyTextInterface::text;
    QString text(QAccessible::Text kind) const override
    {
        if ((kind == QAccessible::Name || kind == QAccessible::Value) && box()->accessibleName().isEmpty())
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && box()->view() ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && box()->view() && child->object() == box()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view() && box()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction())
            box()->showPopup();
    }

protected:
    QString content() const override { return box()->currentText(); }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboFactory(const QString&, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (!box || !box->property(kSpokenProperty).toBool())
        return nullptr;
    return new ComboValueInterface(box);
}

} // namespace

void speakComboBoxValue(QComboBox& box)
{
    static const bool installed = [] {
        QAccessible::installFactory(comboFactory);
        return true;
    }();
    (void)installed;
    box.setProperty(kSpokenProperty, true);
    box.setProperty(kShownTextProperty, box.currentText());
    // A new choice is a change of the box's text. Screen readers read a new choice from the box's
    // selection, which Qt does not give them: while the box has the keyboard and its list is shut
    // (the arrow keys choose), the choice is said aloud.
    QObject::connect(&box, &QComboBox::currentTextChanged, &box, [&box](const QString& now) {
        const QString before = box.property(kShownTextProperty).toString();
        box.setProperty(kShownTextProperty, now);
        if (!QAccessible::isActive() || before == now)
            return;
        QAccessibleTextUpdateEvent changed(&box, 0, before, now);
        QAccessible::updateAccessibility(&changed);
        if (box.hasFocus() && !(box.view() && box.view()->isVisible()))
            Announcer::of(*box.window()).announce(now);
    });
}

} // namespace quillon
