#include "widgethost/editor/widget_editor.h"

#include "platform/calendar/civil_date.h"
#include "platform/calendar/instant.h"
#include "widgethost/editor/editable_date_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quillon::widgethost {
namespace {

using Json = nlohmann::json;

// Seconds since 2001 of the first instant of year 1 and of year 10000: the plug-in takes a date
// outside them as unset, and so does the editor, which must not convert one to whole seconds.
const double kEarliestDate
    = static_cast<double>(daysFromCivil({1, 1, 1}) * 86400) - Instant::kUnixSecondsAtReferenceDate;
const double kLatestDate
    = static_cast<double>(daysFromCivil({10000, 1, 1}) * 86400) - Instant::kUnixSecondsAtReferenceDate;

Json parseObject(const std::string& text)
{
    Json object = Json::parse(text, nullptr, false);
    return object.is_object() ? object : Json::object();
}

Json defaultOf(const ConfigurationParameter& parameter)
{
    Json value = Json::parse(parameter.defaultValue, nullptr, false);
    return value.is_discarded() ? Json() : value;
}

// The stored value, or the declared default when the parameter was never set.
Json valueOf(const Json& configuration, const ConfigurationParameter& parameter)
{
    return configuration.contains(parameter.key) ? configuration[parameter.key] : defaultOf(parameter);
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// One parameter's control: what it shows, how it writes its value and how it goes back to the default.
struct Field {
    QWidget* widget = nullptr;
    std::function<void(Json&)> write;
    std::function<void()> reset;
};

Field choiceField(const ConfigurationParameter& parameter, const Json& value, WidgetEditor* editor)
{
    auto* menu = new QComboBox;
    for (const ChoiceOption& option : parameter.choices) {
        menu->addItem(text(option.displayName), text(option.rawValue));
        if (value.is_string() && value.get<std::string>() == option.rawValue)
            menu->setCurrentIndex(menu->count() - 1);
    }
    QObject::connect(menu, &QComboBox::currentIndexChanged, editor, &WidgetEditor::edited);
    const Json fallback = defaultOf(parameter);
    const QString defaultRaw = fallback.is_string() ? text(fallback.get<std::string>()) : QString();
    return {menu,
        [menu, key = parameter.key](Json& json) { json[key] = menu->currentData().toString().toStdString(); },
        [menu, defaultRaw] { menu->setCurrentIndex(std::max(0, menu->findData(defaultRaw))); }};
}

Field textField(const ConfigurationParameter& parameter, const Json& value, WidgetEditor* editor)
{
    auto* line = new QLineEdit(value.is_string() ? text(value.get<std::string>()) : QString());
    line->setAccessibleName(text(parameter.title));
    QObject::connect(line, &QLineEdit::textChanged, editor, &WidgetEditor::edited);
    return {line,
        [line, key = parameter.key](Json& json) {
            if (line->text().isEmpty())
                json.erase(key);
            else
                json[key] = line->text().toStdString();
        },
        [line] { line->clear(); }};
}

Field dateTimeField(const ConfigurationParameter& parameter, const Json& value, WidgetEditor* editor)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    //: Beside a date and time that may be left unset: checked, the date counts
    auto* set = new QCheckBox(WidgetEditor::tr("Set"));
    auto* when = new QDateTimeEdit;
    when->setCalendarPopup(true);
    when->setDisplayFormat(editableDateTimeFormat(when->locale()));
    when->setAccessibleName(text(parameter.title));
    //: The "Set" check box's name for screen readers; %1 is the date's title, such as "Date".
    set->setAccessibleName(WidgetEditor::tr("Set %1").arg(text(parameter.title)));
    const double seconds = value.is_number() ? value.get<double>() : NAN;
    const bool hasDate = std::isfinite(seconds) && seconds >= kEarliestDate && seconds < kLatestDate;
    when->setDateTime(hasDate ? QDateTime::fromSecsSinceEpoch(
                          static_cast<qint64>(seconds + Instant::kUnixSecondsAtReferenceDate))
                              : QDateTime::currentDateTime().addDays(1));
    set->setChecked(hasDate);
    when->setEnabled(hasDate);
    QObject::connect(set, &QCheckBox::toggled, when, &QWidget::setEnabled);
    layout->addWidget(set);
    layout->addWidget(when, 1);
    QObject::connect(set, &QCheckBox::toggled, editor, &WidgetEditor::edited);
    QObject::connect(when, &QDateTimeEdit::dateTimeChanged, editor, &WidgetEditor::edited);
    return {row,
        [set, when, key = parameter.key](Json& json) {
            if (!set->isChecked())
                json.erase(key);
            else
                json[key] = static_cast<double>(when->dateTime().toSecsSinceEpoch())
                    - Instant::kUnixSecondsAtReferenceDate;
        },
        [set] { set->setChecked(false); }};
}

QString entityLabel(const Entity& entity)
{
    if (entity.subtitle.empty())
        return text(entity.title);
    //: An entry of a list to choose from, such as a city and its country
    return WidgetEditor::tr("%1 \u2014 %2").arg(text(entity.title), text(entity.subtitle));
}

// How an entity list lets the user choose: any number of entries, each with its check box, or
// one, as the selected row of a list whose rows show radio buttons.
enum class Choosing { many, one };

// Fills `list` with entities not already in it: unchecked check boxes when many may be chosen,
// unselected rows when one is.
void addEntities(QListWidget& list, const std::vector<Entity>& entities, Choosing choosing)
{
    for (const Entity& entity : entities) {
        bool present = false;
        for (int row = 0; row < list.count() && !present; ++row)
            present = list.item(row)->data(Qt::UserRole).toString() == text(entity.id);
        if (present)
            continue;
        auto* item = new QListWidgetItem(entityLabel(entity), &list);
        item->setData(Qt::UserRole, text(entity.id));
        if (choosing == Choosing::many) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        } else {
            // Checkable by default, a row would be told as a check box.
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        }
    }
}

// Whether the row counts as chosen: checked when many may be, selected when one is.
bool isChosen(const QListWidgetItem& item, Choosing choosing)
{
    return choosing == Choosing::many ? item.checkState() == Qt::Checked : item.isSelected();
}

// Draws the check indicator of an item view as a radio button: the rows of a list of one choice.
class RadioIndicatorStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element == PE_IndicatorItemViewItemCheck)
            element = PE_IndicatorRadioButton;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// Gives every row of a list of one choice an indicator, on for the selected row. The items are not
// checkable: to assistive technologies the list is one of single selection, the row chosen being the
// selected one.
class RadioItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = option->state.testFlag(QStyle::State_Selected) ? Qt::Checked : Qt::Unchecked;
    }
};

// A list of entities to choose one from: the first row stands for none (the plug-in's default),
// and one row is always selected.
void makeSingleChoice(QListWidget& list, const ConfigurationParameter& parameter)
{
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    auto* style = new RadioIndicatorStyle;
    style->setParent(&list);
    list.setStyle(style);
    list.setItemDelegate(new RadioItemDelegate(&list));
    //: In a list to choose one entry from, such as a city: none, so that the widget uses its default
    auto* none = new QListWidgetItem(WidgetEditor::tr("Default"));
    none->setData(Qt::UserRole, QString());
    none->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (parameter.description)
        none->setToolTip(text(*parameter.description));
    list.insertItem(0, none);
}

// The row of the chosen entity, or the first (none) when it is not in the list.
void selectChosen(QListWidget& list, const std::vector<std::string>& chosen)
{
    QListWidgetItem* selected = list.item(0);
    for (int row = 1; row < list.count() && !chosen.empty(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toString() == text(chosen.front()))
            selected = list.item(row);
    }
    list.setCurrentItem(selected);
    selected->setSelected(true);
}

// The ids a stored value names: one entity, or a list of them.
std::vector<std::string> chosenIds(const Json& value)
{
    std::vector<std::string> chosen;
    if (value.is_string())
        chosen.push_back(value.get<std::string>());
    for (const Json& id : value.is_array() ? value : Json::array()) {
        if (id.is_string())
            chosen.push_back(id.get<std::string>());
    }
    return chosen;
}

QLineEdit* entitySearch(const ConfigurationParameter& parameter)
{
    auto* search = new QLineEdit;
    search->setPlaceholderText(WidgetEditor::tr("Search"));
    //: A search field's name for screen readers; %1 is what it searches, such as "Cities".
    search->setAccessibleName(WidgetEditor::tr("Search %1").arg(text(parameter.title)));
    // Its own button empties the search; the list's choice stays.
    search->setClearButtonEnabled(true);
    return search;
}

QListWidget* entityList(const WidgetPlugin& plugin, const ConfigurationParameter& parameter,
    const std::vector<std::string>& chosen, Choosing choosing)
{
    auto* list = new QListWidget;
    list->setMinimumHeight(140);
    list->setAccessibleName(text(parameter.title));
    if (choosing == Choosing::one)
        makeSingleChoice(*list, parameter);
    // The chosen ones first, in their order, then the suggestions.
    addEntities(*list, plugin.entities(parameter.entityType, chosen), choosing);
    if (choosing == Choosing::many) {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(Qt::Checked);
    }
    addEntities(*list, plugin.suggestedEntities(parameter.entityType), choosing);
    if (choosing == Choosing::one)
        selectChosen(*list, chosen);
    return list;
}

// A search adds what the plug-in finds to the list, and hides the rows that do not match.
void searchIntoList(QLineEdit* search, QListWidget* list, const WidgetPlugin& plugin,
    const ConfigurationParameter& parameter, Choosing choosing)
{
    QObject::connect(search, &QLineEdit::textChanged, list,
        [&plugin, list, choosing, entityType = parameter.entityType](const QString& query) {
            const QString needle = query.trimmed();
            if (!needle.isEmpty())
                addEntities(*list, plugin.searchEntities(entityType, needle.toStdString()), choosing);
            // What is chosen, and the choice of none, stay in sight.
            for (int row = 0; row < list->count(); ++row) {
                QListWidgetItem* item = list->item(row);
                const bool none = choosing == Choosing::one && row == 0;
                item->setHidden(!needle.isEmpty() && !none && !isChosen(*item, choosing)
                    && !item->text().contains(needle, Qt::CaseInsensitive));
            }
        });
}

void reportChoiceEdits(QListWidget* list, WidgetEditor* editor, Choosing choosing)
{
    if (choosing == Choosing::one) {
        // Always one: a selection taken away (Ctrl+click) goes back to none.
        QObject::connect(list, &QListWidget::itemSelectionChanged, editor, [list, editor] {
            if (list->selectedItems().isEmpty()) {
                const QSignalBlocker quiet(list);
                list->item(0)->setSelected(true);
                list->viewport()->update();
            }
            emit editor->edited();
        });
    } else {
        // Checking, unchecking and dragging into a new order are all edits.
        QObject::connect(list, &QListWidget::itemChanged, editor, &WidgetEditor::edited);
        QObject::connect(list->model(), &QAbstractItemModel::rowsMoved, editor, &WidgetEditor::edited);
        list->setDragDropMode(QAbstractItemView::InternalMove);
        list->setToolTip(WidgetEditor::tr("Drag to change the order."));
    }
}

std::function<void(Json&)> chosenIdsWriter(
    QListWidget* list, const ConfigurationParameter& parameter, Choosing choosing)
{
    return [list, key = parameter.key, choosing](Json& json) {
        Json ids = Json::array();
        for (int row = 0; row < list->count(); ++row) {
            const QString id = list->item(row)->data(Qt::UserRole).toString();
            if (!id.isEmpty() && isChosen(*list->item(row), choosing))
                ids.push_back(id.toStdString());
        }
        if (ids.empty())
            json.erase(key);
        else
            json[key] = choosing == Choosing::many ? ids : ids.front();
    };
}

std::function<void()> choiceReset(QListWidget* list, WidgetEditor* editor, Choosing choosing)
{
    return [list, editor, choosing] {
        // One edit for the whole reset, not one per row.
        {
            const QSignalBlocker quiet(list);
            if (choosing == Choosing::many) {
                for (int row = 0; row < list->count(); ++row)
                    list->item(row)->setCheckState(Qt::Unchecked);
            } else {
                list->setCurrentItem(list->item(0));
                list->item(0)->setSelected(true);
            }
        }
        list->viewport()->update();
        emit editor->edited();
    };
}

Field entityField(const WidgetPlugin& plugin, const ConfigurationParameter& parameter, const Json& value,
    WidgetEditor* editor)
{
    const Choosing choosing = parameter.type == ParameterType::entityList ? Choosing::many : Choosing::one;
    const std::vector<std::string> chosen = chosenIds(value);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QLineEdit* search = entitySearch(parameter);
    QListWidget* list = entityList(plugin, parameter, chosen, choosing);
    searchIntoList(search, list, plugin, parameter, choosing);
    reportChoiceEdits(list, editor, choosing);
    layout->addWidget(search);
    layout->addWidget(list);
    return {column, chosenIdsWriter(list, parameter, choosing), choiceReset(list, editor, choosing)};
}

Field fieldFor(const WidgetPlugin& plugin, const ConfigurationParameter& parameter, const Json& value,
    WidgetEditor* editor)
{
    switch (parameter.type) {
    case ParameterType::choice:
        return choiceField(parameter, value, editor);
    case ParameterType::text:
        return textField(parameter, value, editor);
    case ParameterType::dateTime:
        return dateTimeField(parameter, value, editor);
    case ParameterType::entity:
    case ParameterType::entityList:
        return entityField(plugin, parameter, value, editor);
    }
    return textField(parameter, value, editor);
}

// "Reset" goes back to a named default choice; "Clear" empties a parameter whose default is no value.
QToolButton* resetButtonFor(const ConfigurationParameter& parameter)
{
    auto* button = new QToolButton;
    button->setObjectName("reset");
    const Json fallback = defaultOf(parameter);
    QString defaultName;
    for (const ChoiceOption& option : parameter.choices) {
        if (fallback.is_string() && fallback.get<std::string>() == option.rawValue)
            defaultName = text(option.displayName);
    }
    const QString title = text(parameter.title);
    if (fallback.is_null()) {
        //: Empties a setting whose default is no value
        button->setText(WidgetEditor::tr("Clear"));
        //: For the button that empties a setting, %1 being the setting's name
        button->setAccessibleName(WidgetEditor::tr("Clear %1").arg(title));
    } else {
        //: Puts a setting back to its default
        button->setText(WidgetEditor::tr("Reset"));
        //: For the button that puts a setting back to its default, %1 being the setting's name
        button->setAccessibleName(WidgetEditor::tr("Reset %1").arg(title));
    }
    if (defaultName.isEmpty()) {
        //: %1 is a setting's name
        button->setToolTip(WidgetEditor::tr("Leave %1 empty").arg(title));
    } else {
        //: %1 is the name of the choice a setting goes back to
        button->setToolTip(WidgetEditor::tr("Back to \u201c%1\u201d").arg(defaultName));
    }
    return button;
}

} // namespace

WidgetEditor::WidgetEditor(const WidgetPlugin& plugin, const ConfigurationType& type,
    const std::string& configuration, QWidget* parent)
    : QDialog(parent)
    , m_original(configuration)
{
    setWindowTitle(text(type.title));
    setMinimumWidth(420);
    const Json stored = parseObject(configuration);
    auto* form = new QFormLayout;

    for (const ConfigurationParameter& parameter : type.parameters) {
        Field field = fieldFor(plugin, parameter, valueOf(stored, parameter), this);
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(field.widget, 1);
        // A list of one choice goes back to its default through its own first row, so needs no
        // button; beside its search field, whose own button clears the search, a "Clear" would
        // only read as a second one. A list of many has its button beside the list, at its foot.
        QToolButton* reset = nullptr;
        if (parameter.type != ParameterType::entity) {
            reset = resetButtonFor(parameter);
            connect(reset, &QToolButton::clicked, this, field.reset);
            layout->addWidget(
                reset, 0, parameter.type == ParameterType::entityList ? Qt::AlignBottom : Qt::AlignTop);
        }

        auto* label = new QLabel(text(parameter.title));
        label->setBuddy(field.widget);
        if (parameter.description) {
            label->setToolTip(text(*parameter.description));
            field.widget->setToolTip(text(*parameter.description));
        }
        form->addRow(label, row);
        if (parameter.description) {
            auto* hint = new QLabel(text(*parameter.description));
            hint->setWordWrap(true);
            hint->setForegroundRole(QPalette::PlaceholderText);
            form->addRow(QString(), hint);
        }
        m_rows.push_back({parameter.key, defaultOf(parameter), std::move(field.write), reset});
    }

    // Changes apply as they are made; the editor only needs closing.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(buttons);

    connect(this, &WidgetEditor::edited, this, &WidgetEditor::enableResetButtons);
    enableResetButtons();
}

void WidgetEditor::enableResetButtons()
{
    for (const Row& row : m_rows) {
        Json probe = Json::object();
        row.write(probe);
        if (!row.resetButton)
            continue;
        const bool atDefault
            = probe.contains(row.key) ? probe[row.key] == row.defaultValue : row.defaultValue.is_null();
        row.resetButton->setEnabled(!atDefault);
    }
}

std::string WidgetEditor::configuration() const
{
    Json object = parseObject(m_original);
    for (const Row& row : m_rows)
        row.write(object);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace quillon::widgethost
