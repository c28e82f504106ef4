#include "widgethost/editor/widget_editor.h"

#include "platform/accessibility/spoken_combo_box.h"
#include "platform/calendar/civil_date.h"
#include "platform/calendar/instant.h"
#include "widgethost/editor/choice_column.h"
#include "widgethost/editor/editable_date_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
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

// One parameter's controls, in a layout with no widget of its own: Qt finds the label of a control
// only among its siblings, so the row's label and the controls must share a parent.
struct Field {
    QLayout* layout = nullptr;
    QWidget* labelled = nullptr; // the control the row's label names
    std::vector<QWidget*> described; // the controls whose tool tip is the parameter's description
    std::function<void(Json&)> write;
    std::function<void()> reset;
};

QHBoxLayout* rowLayout()
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

Field choiceField(const ConfigurationParameter& parameter, const Json& value, WidgetEditor* editor)
{
    auto* menu = new QComboBox;
    speakComboBoxValue(*menu);
    for (const ChoiceOption& option : parameter.choices) {
        menu->addItem(text(option.displayName), text(option.rawValue));
        if (value.is_string() && value.get<std::string>() == option.rawValue)
            menu->setCurrentIndex(menu->count() - 1);
    }
    QObject::connect(menu, &QComboBox::currentIndexChanged, editor, &WidgetEditor::edited);
    const Json fallback = defaultOf(parameter);
    const QString defaultRaw = fallback.is_string() ? text(fallback.get<std::string>()) : QString();
    QHBoxLayout* layout = rowLayout();
    layout->addWidget(menu);
    return {layout, menu, {menu},
        [menu, key = parameter.key](Json& json) { json[key] = menu->currentData().toString().toStdString(); },
        [menu, defaultRaw] { menu->setCurrentIndex(std::max(0, menu->findData(defaultRaw))); }};
}

Field textField(const ConfigurationParameter& parameter, const Json& value, WidgetEditor* editor)
{
    auto* line = new QLineEdit(value.is_string() ? text(value.get<std::string>()) : QString());
    line->setAccessibleName(text(parameter.title));
    QObject::connect(line, &QLineEdit::textChanged, editor, &WidgetEditor::edited);
    QHBoxLayout* layout = rowLayout();
    layout->addWidget(line);
    return {layout, line, {line},
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
    QHBoxLayout* layout = rowLayout();
    layout->addWidget(set);
    layout->addWidget(when, 1);
    QObject::connect(set, &QCheckBox::toggled, editor, &WidgetEditor::edited);
    QObject::connect(when, &QDateTimeEdit::dateTimeChanged, editor, &WidgetEditor::edited);
    // The label names the date; "Set" has a name of its own.
    return {layout, when, {set, when},
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

std::vector<ChoiceColumn::Entry> entriesOf(const std::vector<Entity>& entities)
{
    std::vector<ChoiceColumn::Entry> entries;
    entries.reserve(entities.size());
    for (const Entity& entity : entities)
        entries.push_back({text(entity.id), entityLabel(entity), QString()});
    return entries;
}

// The ids a stored value names: one entity, or a list of them.
QStringList chosenIds(const Json& value)
{
    QStringList chosen;
    if (value.is_string())
        chosen << text(value.get<std::string>());
    for (const Json& id : value.is_array() ? value : Json::array()) {
        if (id.is_string())
            chosen << text(id.get<std::string>());
    }
    return chosen;
}

QLineEdit* entitySearch(const ConfigurationParameter& parameter)
{
    auto* search = new QLineEdit;
    search->setPlaceholderText(WidgetEditor::tr("Search"));
    //: A search field's name for screen readers; %1 is what it searches, such as "Cities".
    search->setAccessibleName(WidgetEditor::tr("Search %1").arg(text(parameter.title)));
    // Its own button empties the search; the column's choice stays.
    search->setClearButtonEnabled(true);
    return search;
}

// Check boxes when many entities may be chosen; radio buttons when one is, the first of them for
// none (the plug-in's default).
ChoiceColumn* entityColumn(const WidgetPlugin& plugin, const ConfigurationParameter& parameter,
    const QStringList& chosen, ChoiceColumn::Choosing choosing)
{
    auto* column = new ChoiceColumn(choosing, text(parameter.title));
    column->setMinimumHeight(140);
    const QString description = parameter.description ? text(*parameter.description) : QString();
    if (choosing == ChoiceColumn::Choosing::one) {
        //: In a list to choose one entry from, such as a city: none, so that the widget uses its default
        column->addEntries({{QString(), WidgetEditor::tr("Default"), description}});
        column->setToolTip(description);
    } else {
        //: Over a list of check boxes whose order counts, such as cities
        const QString order = WidgetEditor::tr("Drag, or press Alt+Up or Alt+Down, to change the order.");
        column->setToolTip(description.isEmpty() ? order : description + u'\n' + order);
    }
    std::vector<std::string> ids;
    for (const QString& id : chosen)
        ids.push_back(id.toStdString());
    // The chosen ones first, in their order, then the suggestions.
    column->addEntries(entriesOf(plugin.entities(parameter.entityType, ids)));
    column->addEntries(entriesOf(plugin.suggestedEntities(parameter.entityType)));
    column->choose(chosen);
    return column;
}

// A search adds what the plug-in finds to the column and shows only the matches: what the plug-in's
// query finds, which knows the names in the user's language, and what an entry's own words hold.
void searchIntoColumn(QLineEdit* search, ChoiceColumn* column, const WidgetPlugin& plugin,
    const ConfigurationParameter& parameter)
{
    QObject::connect(search, &QLineEdit::textChanged, column,
        [&plugin, column, entityType = parameter.entityType](const QString& query) {
            const QString needle = query.trimmed();
            if (needle.isEmpty()) {
                column->showAll();
                return;
            }
            const std::vector<Entity> found = plugin.searchEntities(entityType, needle.toStdString());
            column->addEntries(entriesOf(found));
            QSet<QString> matching;
            for (const Entity& entity : found)
                matching.insert(text(entity.id));
            // The choice of none is no match for any search.
            column->filter([&](const ChoiceColumn::Entry& entry) {
                return !entry.id.isEmpty()
                    && (matching.contains(entry.id) || entry.label.contains(needle, Qt::CaseInsensitive));
            });
        });
}

std::function<void(Json&)> chosenIdsWriter(ChoiceColumn* column, const ConfigurationParameter& parameter)
{
    const bool many = parameter.type == ParameterType::entityList;
    return [column, key = parameter.key, many](Json& json) {
        Json ids = Json::array();
        for (const QString& id : column->chosenIds()) {
            if (!id.isEmpty())
                ids.push_back(id.toStdString());
        }
        if (ids.empty())
            json.erase(key);
        else
            json[key] = many ? ids : ids.front();
    };
}

Field entityField(const WidgetPlugin& plugin, const ConfigurationParameter& parameter, const Json& value,
    WidgetEditor* editor)
{
    const auto choosing = parameter.type == ParameterType::entityList ? ChoiceColumn::Choosing::many
                                                                      : ChoiceColumn::Choosing::one;
    QLineEdit* search = entitySearch(parameter);
    ChoiceColumn* column = entityColumn(plugin, parameter, chosenIds(value), choosing);
    column->setSearchField(search);
    searchIntoColumn(search, column, plugin, parameter);
    // Checking, unchecking and moving into a new order are all edits.
    QObject::connect(column, &ChoiceColumn::choiceChanged, editor, &WidgetEditor::edited);
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search);
    layout->addWidget(column);
    // The label names the search, where the keyboard comes first; the column has its own name, and
    // the description as its tool tip.
    return {layout, search, {}, chosenIdsWriter(column, parameter), [column, editor] {
                // One edit for the whole reset, not one per entry.
                column->choose({});
                emit editor->edited();
            }};
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
        QHBoxLayout* row = rowLayout();
        row->addLayout(field.layout, 1);
        // A list of one choice goes back to its default through its own first entry, so needs no
        // button; beside its search field, whose own button clears the search, a "Clear" would
        // only read as a second one. A list of many has its button beside the list, at its foot.
        QToolButton* reset = nullptr;
        if (parameter.type != ParameterType::entity) {
            reset = resetButtonFor(parameter);
            connect(reset, &QToolButton::clicked, this, field.reset);
            row->addWidget(
                reset, 0, parameter.type == ParameterType::entityList ? Qt::AlignBottom : Qt::AlignTop);
        }

        // The row's label and controls become children of the dialog together, as siblings: a
        // screen reader then reads each control by its label, a menu not by its value alone.
        auto* label = new QLabel(text(parameter.title));
        label->setBuddy(field.labelled);
        if (parameter.description) {
            label->setToolTip(text(*parameter.description));
            for (QWidget* described : field.described)
                described->setToolTip(text(*parameter.description));
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
