// The editor of one placed widget's own settings, generated from the configuration type the plug-in
// declares: a menu for a choice, a field for text, a date and time that may be left unset, a
// searchable, reorderable column of check boxes for a list of entities, and a searchable column of
// radio buttons, the first for the default, for a single entity. Every row can go back to its
// default. Values the editor does not know are kept as they are.
#pragma once

#include "widget_plugin/widget_plugin.h"

#include <QDialog>

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;

namespace quillon::widgethost {

class WidgetEditor final : public QDialog {
    Q_OBJECT

public:
    WidgetEditor(const WidgetPlugin& plugin, const ConfigurationType& type, const std::string& configuration,
        QWidget* parent = nullptr);

    // The configuration as edited: a JSON object; an unset parameter is absent.
    std::string configuration() const;

signals:
    // After every change, so that the widget can follow at once.
    void edited();

private:
    struct Row {
        std::string key;
        nlohmann::json defaultValue; // null: unset
        // Writes the parameter into the object, or removes it when unset.
        std::function<void(nlohmann::json&)> write;
        QAbstractButton* resetButton = nullptr; // none where the field itself goes back to its default
    };

    void enableResetButtons();

    std::vector<Row> m_rows;
    std::string m_original;
};

} // namespace quillon::widgethost
