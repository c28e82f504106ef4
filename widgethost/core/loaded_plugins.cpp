// Loading the widget plug-ins, and finding a widget among them.
#include "widgethost/core/loaded_plugins.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iostream>

namespace quillon::widgethost {

std::vector<LoadedPlugin> loadWidgetPlugins(const QStringList& files)
{
    // The host and its settings program load the same plug-ins: each log line names its program.
    const std::string program = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    std::vector<LoadedPlugin> plugins;
    for (const QString& path : files) {
        const std::string name = QFileInfo(path).fileName().toStdString();
        if (std::any_of(plugins.begin(), plugins.end(),
                [&](const LoadedPlugin& loaded) { return loaded.fileName == name; }))
            continue;
        auto loader = std::make_unique<QPluginLoader>(path);
        if (loader->metaData().value("IID").toString() != QuillonWidgetPlugin_iid) {
            std::cerr << program << ": " << path.toStdString() << " is not a widget plug-in\n";
            continue;
        }
        auto* plugin = qobject_cast<WidgetPlugin*>(loader->instance());
        if (!plugin) {
            std::cerr << program << ": the plug-in " << path.toStdString()
                      << " could not be loaded: " << loader->errorString().toStdString() << "\n";
            continue;
        }
        plugins.push_back({name, std::move(loader), plugin, plugin->widgets()});
    }
    return plugins;
}

const LoadedPlugin* pluginNamed(const std::vector<LoadedPlugin>& plugins, const std::string& fileName)
{
    for (const LoadedPlugin& plugin : plugins) {
        if (plugin.fileName == fileName)
            return &plugin;
    }
    return nullptr;
}

const WidgetDescription* widgetOfKind(const LoadedPlugin& plugin, const std::string& kind)
{
    for (const WidgetDescription& widget : plugin.widgets) {
        if (widget.kind == kind)
            return &widget;
    }
    return nullptr;
}

} // namespace quillon::widgethost
