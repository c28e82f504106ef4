// Reading the settings program's command line.
#include "widgethost/settings/settings_request.h"

#include "platform/session_bus/widget_host_bus.h"

#include <algorithm>

namespace quillon::widgethost {

bool couldBeWidgetId(const QString& id)
{
    return !id.isEmpty() && id.size() <= kLongestWidgetId
        && std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit() || c == u'-'; });
}

std::optional<SettingsRequest> settingsRequestOf(const QStringList& arguments, QString& problem)
{
    std::optional<SettingsRequest> request;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        SettingsRequest asked;
        if (argument == "--gallery") {
            asked.window = SettingsRequest::Window::gallery;
        } else if (argument == "--edit") {
            if (index + 1 >= arguments.size()) {
                problem = "--edit needs the id of the widget to edit";
                return std::nullopt;
            }
            asked.window = SettingsRequest::Window::editor;
            asked.widget = arguments[++index];
            if (!couldBeWidgetId(asked.widget)) {
                problem = QString("'%1' is no widget's id").arg(asked.widget.left(200));
                return std::nullopt;
            }
        } else {
            problem = QString("unknown argument '%1': see --help").arg(argument.left(200));
            return std::nullopt;
        }
        if (request) {
            problem = "one window at a time: either --gallery or --edit ID";
            return std::nullopt;
        }
        request = asked;
    }
    return request.value_or(SettingsRequest {});
}

} // namespace quillon::widgethost
