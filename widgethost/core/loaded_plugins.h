// The widget plug-ins a program has loaded, each with what it offers: the host shows their widgets,
// the gallery and the editor draw and edit them.
#pragma once

#include "widget_plugin/widget_plugin.h"

#include <QPluginLoader>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace quillon::widgethost {

struct LoadedPlugin {
    std::string fileName;
    std::unique_ptr<QPluginLoader> loader;
    WidgetPlugin* plugin = nullptr;
    std::vector<WidgetDescription> widgets;
};

// The widget plug-ins of `files`, each file name loaded once; one that fails says why in the log.
std::vector<LoadedPlugin> loadWidgetPlugins(const QStringList& files);

// The plug-in loaded from the file of that name, or nothing.
const LoadedPlugin* pluginNamed(const std::vector<LoadedPlugin>& plugins, const std::string& fileName);
// The plug-in's widget of that kind, or nothing.
const WidgetDescription* widgetOfKind(const LoadedPlugin& plugin, const std::string& kind);

} // namespace quillon::widgethost
