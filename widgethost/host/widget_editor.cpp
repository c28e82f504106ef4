#include "widgethost/host/widget_editor.h"

#include "platform/calendar/civil_date.h"
#include "platform/calendar/instant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    when->setDisplayFormat("yyyy-MM-dd HH:mm");
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

// Fills `list` with entities not already in it, as unchecked items.
void addEntities(QListWidget& list, const std::vector<Entity>& entities)
{
    for (const Entity& entity : entities) {
        bool present = false;
        for (int row = 0; row < list.count() && !present; ++row)
            present = list.item(row)->data(Qt::UserRole).toString() == text(entity.id);
        if (present)
            continue;
        auto* item = new QListWidgetItem(entityLabel(entity), &list);
        item->setData(Qt::UserRole, text(entity.id));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

Field entityField(const WidgetPlugin& plugin, const ConfigurationParameter& parameter, const Json& value,
    WidgetEditor* editor)
{
    const bool many = parameter.type == ParameterType::entityList;
    std::vector<std::string> chosen;
    if (value.is_string())
        chosen.push_back(value.get<std::string>());
    for (const Json& id : value.is_array() ? value : Json::array()) {
        if (id.is_string())
            chosen.push_back(id.get<std::string>());
    }
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* search = new QLineEdit;
    search->setPlaceholderText(WidgetEditor::tr("Search"));
    //: A search field's name for screen readers; %1 is what it searches, such as "Cities".
    search->setAccessibleName(WidgetEditor::tr("Search %1").arg(text(parameter.title)));
    search->setClearButtonEnabled(true);
    auto* list = new QListWidget;
    list->setMinimumHeight(140);
    list->setAccessibleName(text(parameter.title));
    // The chosen ones first, in their order, then the suggestions.
    addEntities(*list, plugin.entities(parameter.entityType, chosen));
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(Qt::Checked);
    addEntities(*list, plugin.suggestedEntities(parameter.entityType));
    QObject::connect(search, &QLineEdit::textChanged, list,
        [&plugin, list, entityType = parameter.entityType](const QString& query) {
            const QString needle = query.trimmed();
            if (!needle.isEmpty())
                addEntities(*list, plugin.searchEntities(entityType, needle.toStdString()));
            for (int row = 0; row < list->count(); ++row) {
                QListWidgetItem* item = list->item(row);
                item->setHidden(!needle.isEmpty() && item->checkState() != Qt::Checked
                    && !item->text().contains(needle, Qt::CaseInsensitive));
            }
        });
    if (!many) {
        // One at most: checking one unchecks the others.
        QObject::connect(list, &QListWidget::itemChanged, list, [list](QListWidgetItem* changed) {
            if (changed->checkState() != Qt::Checked)
                return;
            const QSignalBlocker quiet(list);
            for (int row = 0; row < list->count(); ++row) {
                if (list->item(row) != changed)
                    list->item(row)->setCheckState(Qt::Unchecked);
            }
        });
    }
    // Checking, unchecking and dragging into a new order are all edits.
    QObject::connect(list, &QListWidget::itemChanged, editor, &WidgetEditor::edited);
    QObject::connect(list->model(), &QAbstractItemModel::rowsMoved, editor, &WidgetEditor::edited);
    if (many) {
        list->setDragDropMode(QAbstractItemView::InternalMove);
        list->setToolTip(WidgetEditor::tr("Drag to change the order."));
    }
    layout->addWidget(search);
    layout->addWidget(list);
    return {column,
        [list, key = parameter.key, many](Json& json) {
            Json ids = Json::array();
            for (int row = 0; row < list->count(); ++row) {
                if (list->item(row)->checkState() == Qt::Checked)
                    ids.push_back(list->item(row)->data(Qt::UserRole).toString().toStdString());
            }
            if (ids.empty())
                json.erase(key);
            else
                json[key] = many ? ids : ids.front();
        },
        [list, editor] {
            // One edit for the whole reset, not one per unchecked row.
            {
                const QSignalBlocker quiet(list);
                for (int row = 0; row < list->count(); ++row)
                    list->item(row)->setCheckState(Qt::Unchecked);
            }
            list->viewport()->update();
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
        QToolButton* reset = resetButtonFor(parameter);
        connect(reset, &QToolButton::clicked, this, field.reset);

        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(field.widget, 1);
        layout->addWidget(reset, 0, Qt::AlignTop);

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
