// What quillon-widget-settings is started to show, read from its command line: the gallery, or
// the editor of one placed widget, named by the id the host gave it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillon::widgethost {

struct SettingsRequest {
    enum class Window { gallery, editor };
    Window window = Window::gallery;
    QString widget; // the widget's id, for the editor
    bool operator==(const SettingsRequest&) const = default;
};

// Whether `id` has the form of the host's widget ids (a process id and a number): nothing else is
// passed on to the host.
bool couldBeWidgetId(const QString& id);

// The request of `arguments` (the program's name first, Qt's own options already taken): --gallery,
// or --edit ID; the gallery when there are none. Nothing, with `problem` saying why, for an argument
// it does not know, an id that cannot be one, or two requests at once.
std::optional<SettingsRequest> settingsRequestOf(const QStringList& arguments, QString& problem);

} // namespace quillon::widgethost
