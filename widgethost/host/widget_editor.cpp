#include "widgethost/host/widget_editor.h"

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
#include <QVBoxLayout>

#include <nlohmann/json.hpp>

namespace quillon::widgethost {
namespace {

using Json = nlohmann::json;

Json parseObject(const std::string& text)
{
    Json object = Json::parse(text, nullptr, false);
    return object.is_object() ? object : Json::object();
}

// The stored value, or the declared default when the parameter was never set.
Json valueOf(const Json& configuration, const ConfigurationParameter& parameter)
{
    if (configuration.contains(parameter.key))
        return configuration[parameter.key];
    return Json::parse(parameter.defaultValue, nullptr, false);
}

QString text(const std::string& value) { return QString::fromStdString(value); }

QString entityLabel(const Entity& entity)
{
    return entity.subtitle.empty() ? text(entity.title) : text(entity.title) + " \u2014 " + text(entity.subtitle);
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

} // namespace

WidgetEditor::WidgetEditor(const WidgetPlugin& plugin, const ConfigurationType& type, const std::string& configuration,
                           QWidget* parent)
    : QDialog(parent), m_original(configuration)
{
    setWindowTitle(text(type.title));
    setMinimumWidth(380);
    const Json stored = parseObject(configuration);
    auto* form = new QFormLayout;

    for (const ConfigurationParameter& parameter : type.parameters) {
        const Json value = valueOf(stored, parameter);
        const std::string key = parameter.key;
        QWidget* field = nullptr;

        switch (parameter.type) {
        case ParameterType::choice: {
            auto* menu = new QComboBox;
            for (const ChoiceOption& option : parameter.choices) {
                menu->addItem(text(option.displayName), text(option.rawValue));
                if (value.is_string() && value.get<std::string>() == option.rawValue)
                    menu->setCurrentIndex(menu->count() - 1);
            }
            connect(menu, &QComboBox::currentIndexChanged, this, &WidgetEditor::edited);
            m_writers.push_back([menu, key](Json& json) {
                json[key] = menu->currentData().toString().toStdString();
            });
            field = menu;
            break;
        }
        case ParameterType::text: {
            auto* line = new QLineEdit(value.is_string() ? text(value.get<std::string>()) : QString());
            connect(line, &QLineEdit::textChanged, this, &WidgetEditor::edited);
            m_writers.push_back([line, key](Json& json) {
                if (line->text().isEmpty())
                    json.erase(key);
                else
                    json[key] = line->text().toStdString();
            });
            field = line;
            break;
        }
        case ParameterType::dateTime: {
            auto* row = new QWidget;
            auto* layout = new QHBoxLayout(row);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* set = new QCheckBox("Set");
            auto* when = new QDateTimeEdit;
            when->setCalendarPopup(true);
            when->setDisplayFormat("yyyy-MM-dd HH:mm");
            const bool hasDate = value.is_number();
            when->setDateTime(hasDate ? QDateTime::fromSecsSinceEpoch(static_cast<qint64>(
                                            value.get<double>() + Instant::kUnixSecondsAtReferenceDate))
                                      : QDateTime::currentDateTime().addDays(1));
            set->setChecked(hasDate);
            when->setEnabled(hasDate);
            connect(set, &QCheckBox::toggled, when, &QWidget::setEnabled);
            layout->addWidget(set);
            layout->addWidget(when, 1);
            connect(set, &QCheckBox::toggled, this, &WidgetEditor::edited);
            connect(when, &QDateTimeEdit::dateTimeChanged, this, &WidgetEditor::edited);
            m_writers.push_back([set, when, key](Json& json) {
                if (!set->isChecked())
                    json.erase(key);
                else
                    json[key] = static_cast<double>(when->dateTime().toSecsSinceEpoch()) -
                                Instant::kUnixSecondsAtReferenceDate;
            });
            field = row;
            break;
        }
        case ParameterType::entity:
        case ParameterType::entityList: {
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
            search->setPlaceholderText("Search");
            search->setClearButtonEnabled(true);
            auto* list = new QListWidget;
            list->setMinimumHeight(140);
            // The chosen ones first, in their order, then the suggestions.
            addEntities(*list, plugin.entities(parameter.entityType, chosen));
            for (int row = 0; row < list->count(); ++row)
                list->item(row)->setCheckState(Qt::Checked);
            addEntities(*list, plugin.suggestedEntities(parameter.entityType));
            const std::string entityType = parameter.entityType;
            connect(search, &QLineEdit::textChanged, list, [&plugin, list, entityType](const QString& query) {
                if (!query.trimmed().isEmpty())
                    addEntities(*list, plugin.searchEntities(entityType, query.toStdString()));
                const QString needle = query.trimmed();
                for (int row = 0; row < list->count(); ++row) {
                    QListWidgetItem* item = list->item(row);
                    item->setHidden(!needle.isEmpty() && item->checkState() != Qt::Checked &&
                                    !item->text().contains(needle, Qt::CaseInsensitive));
                }
            });
            if (!many) {
                // One at most: checking one unchecks the others.
                connect(list, &QListWidget::itemChanged, list, [list](QListWidgetItem* changed) {
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
            connect(list, &QListWidget::itemChanged, this, &WidgetEditor::edited);
            connect(list->model(), &QAbstractItemModel::rowsMoved, this, &WidgetEditor::edited);
            if (many) {
                list->setDragDropMode(QAbstractItemView::InternalMove);
                list->setToolTip("Drag to change the order.");
            }
            layout->addWidget(search);
            layout->addWidget(list);
            m_writers.push_back([list, key, many](Json& json) {
                Json ids = Json::array();
                for (int row = 0; row < list->count(); ++row) {
                    if (list->item(row)->checkState() == Qt::Checked)
                        ids.push_back(list->item(row)->data(Qt::UserRole).toString().toStdString());
                }
                if (ids.empty())
                    json.erase(key);
                else
                    json[key] = many ? ids : ids.front();
            });
            field = column;
            break;
        }
        }

        auto* label = new QLabel(text(parameter.title));
        if (parameter.description) {
            label->setToolTip(text(*parameter.description));
            field->setToolTip(text(*parameter.description));
        }
        form->addRow(label, field);
        if (parameter.description) {
            auto* hint = new QLabel(text(*parameter.description));
            hint->setWordWrap(true);
            hint->setForegroundRole(QPalette::PlaceholderText);
            form->addRow(QString(), hint);
        }
    }

    // Changes apply as they are made; the editor only needs closing.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(buttons);
}

std::string WidgetEditor::configuration() const
{
    Json object = parseObject(m_original);
    for (const auto& write : m_writers)
        write(object);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace quillon::widgethost
