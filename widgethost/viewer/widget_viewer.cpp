// The viewer: loads a widget plug-in through the host interface, as a widget host does, and prints
// its widgets, timelines and entities, or paints one face to a PNG.
#include "widgethost/viewer/widget_viewer.h"

#include "platform/calendar/instant.h"
#include "platform/calendar/iso8601.h"
#include "widgethost/widget_plugin.h"

#include <nlohmann/json.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>

#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef QUILLON_BUILD_PLUGIN_DIR
#define QUILLON_BUILD_PLUGIN_DIR ""
#endif

namespace quillon::widgethost {
namespace {
using Json = nlohmann::ordered_json;

// The usage, with PROGRAM for the name the program was run by: the host carries the viewer, and
// quillon-widget-view is the viewer alone.
constexpr const char* kUsage
    = "usage: PROGRAM [--plugin PATH] --list\n"
      "       PROGRAM [--plugin PATH] --timeline KIND [--config JSON] [--at INSTANT]\n"
      "       PROGRAM [--plugin PATH] --snapshot KIND --family FAMILY [--config JSON] [--at INSTANT]\n"
      "                       [--scale N] -o FILE.png\n"
      "       PROGRAM [--plugin PATH] --entities [--search TEXT | --ids ID,ID,...]\n"
      "KIND is a widget's kind string (see --list); FAMILY is systemSmall, systemMedium, systemLarge or\n"
      "systemExtraLarge; INSTANT is ISO 8601 with an offset or Z; JSON is the widget's configuration.\n";

std::string usageFor(const std::string& program)
{
    return QString(kUsage).replace("PROGRAM", QString::fromStdString(program)).toStdString();
}

int usageError(const std::string& program, const std::string& message)
{
    std::cerr << program << ": " << message << "\n";
    return 2;
}

const char* typeName(ParameterType type)
{
    switch (type) {
    case ParameterType::choice:
        return "choice";
    case ParameterType::entityList:
        return "entityList";
    case ParameterType::entity:
        return "entity";
    case ParameterType::text:
        return "text";
    case ParameterType::dateTime:
        return "dateTime";
    }
    return "text";
}

Json widgetJson(const WidgetDescription& widget)
{
    Json families = Json::array();
    for (WidgetFamily family : widget.families)
        families.push_back(rawValue(family));
    Json parameters = Json::array();
    for (const ConfigurationParameter& parameter : widget.configuration.parameters) {
        Json entry {{"key", parameter.key}, {"title", parameter.title},
            {"description", parameter.description ? Json(*parameter.description) : Json(nullptr)},
            {"type", typeName(parameter.type)}, {"typeName", parameter.typeName},
            {"default", Json::parse(parameter.defaultValue, nullptr, false)}};
        if (!parameter.choices.empty()) {
            Json choices = Json::array();
            for (const ChoiceOption& choice : parameter.choices)
                choices.push_back({{"rawValue", choice.rawValue}, {"displayName", choice.displayName}});
            entry["choices"] = std::move(choices);
        }
        parameters.push_back(std::move(entry));
    }
    return {{"kind", widget.kind}, {"name", widget.displayName}, {"description", widget.description},
        {"families", std::move(families)},
        {"configuration",
            {{"type", widget.configuration.name}, {"title", widget.configuration.title},
                {"parameters", std::move(parameters)}}},
        {"contentMarginsDisabled", widget.contentMarginsDisabled}};
}

Json entitiesJson(const std::vector<Entity>& entities)
{
    Json list = Json::array();
    for (const Entity& entity : entities)
        list.push_back({{"id", entity.id}, {"title", entity.title}, {"subtitle", entity.subtitle}});
    return list;
}

// Plug-in files of the folder (or the one file) given, else of the install, else of the build.
QStringList pluginCandidates(const QString& given)
{
    QStringList folders;
    if (!given.isEmpty()) {
        if (QFileInfo(given).isFile())
            return {given};
        folders << given;
    } else {
        folders << QCoreApplication::applicationDirPath() + "/../lib/quillon/widgets"
                << QUILLON_BUILD_PLUGIN_DIR;
    }
    QStringList files;
    for (const QString& folder : folders) {
        for (const QFileInfo& file : QDir(folder).entryInfoList({"*.so"}, QDir::Files))
            files << file.absoluteFilePath();
    }
    return files;
}

} // namespace

bool isViewerRequest(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == "--list" || argument == "--timeline" || argument == "--snapshot"
            || argument == "--entities")
            return true;
    }
    return false;
}

int runWidgetViewer(const QStringList& arguments)
{
    // Errors name the program that was run, whichever of the two carries the viewer.
    const QString invoked = QFileInfo(arguments.value(0)).fileName();
    const std::string program = invoked.isEmpty() ? std::string("quillon-widgets") : invoked.toStdString();
    std::map<std::string, std::string> options;
    std::vector<std::string> flags;
    static const std::vector<std::string> kValued {"--plugin", "--timeline", "--snapshot", "--family",
        "--config", "--at", "--scale", "-o", "--search", "--ids"};
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const std::string argument = arguments[index].toStdString();
        if (argument == "--help" || argument == "-h") {
            std::cout << usageFor(program);
            return 0;
        }
        if (argument == "--list" || argument == "--entities") {
            flags.push_back(argument);
        } else if (std::find(kValued.begin(), kValued.end(), argument) != kValued.end()) {
            if (index + 1 >= arguments.size())
                return usageError(program, "option " + argument + " needs a value");
            options[argument] = arguments[++index].toStdString();
        } else {
            return usageError(program, "unknown argument '" + argument.substr(0, 200) + "': see --help");
        }
    }
    const int actions
        = static_cast<int>(flags.size() + options.count("--timeline") + options.count("--snapshot"));
    if (actions != 1)
        return usageError(program, "give one of --list, --timeline KIND, --snapshot KIND, --entities");

    HostContext context {Instant::now().secondsSinceReferenceDate};
    if (options.count("--at")) {
        const auto at = parseIso8601(options["--at"]);
        if (!at)
            return usageError(program,
                "invalid --at '" + options["--at"]
                    + "': expected ISO 8601 with an offset, such as 2026-12-05T14:30:00Z");
        context.now = at->secondsSinceReferenceDate;
    }
    std::optional<WidgetFamily> family;
    if (options.count("--family")) {
        family = widgetFamilyFromRawValue(options["--family"]);
        if (!family || *family == WidgetFamily::other)
            return usageError(program,
                "invalid --family '" + options["--family"]
                    + "': expected systemSmall, systemMedium, systemLarge, systemExtraLarge");
    }
    double scale = 2;
    if (options.count("--scale")) {
        bool ok = false;
        scale = QString::fromStdString(options["--scale"]).toDouble(&ok);
        if (!ok || !(scale >= 0.25 && scale <= 8))
            return usageError(
                program, "invalid --scale '" + options["--scale"] + "': expected a number from 0.25 to 8");
    }
    const std::string configuration = options.count("--config") ? options["--config"] : "{}";

    const QStringList candidates = pluginCandidates(QString::fromStdString(options["--plugin"]));
    WidgetPlugin* plugin = nullptr;
    QPluginLoader loader;
    for (const QString& file : candidates) {
        loader.setFileName(file);
        if (loader.metaData().value("IID").toString() != QuillonWidgetPlugin_iid)
            continue;
        plugin = qobject_cast<WidgetPlugin*>(loader.instance());
        if (plugin)
            break;
    }
    if (!plugin) {
        std::cerr << program << ": no widget plug-in found"
                  << (candidates.isEmpty() ? std::string() : " among " + candidates.join(", ").toStdString())
                  << "\n";
        return 1;
    }

    const std::vector<WidgetDescription> widgets = plugin->widgets();
    const auto findWidget = [&](const std::string& kind) -> const WidgetDescription* {
        for (const WidgetDescription& widget : widgets) {
            if (widget.kind == kind)
                return &widget;
        }
        return nullptr;
    };

    if (!flags.empty() && flags.front() == "--list") {
        Json list = Json::array();
        for (const WidgetDescription& widget : widgets)
            list.push_back(widgetJson(widget));
        std::cout << list.dump(2) << "\n";
    } else if (!flags.empty()) {
        std::vector<Entity> entities;
        if (options.count("--ids")) {
            std::vector<std::string> ids;
            for (const QString& id : QString::fromStdString(options["--ids"]).split(',', Qt::SkipEmptyParts))
                ids.push_back(id.toStdString());
            entities = plugin->entities("City", ids);
        } else if (options.count("--search")) {
            entities = plugin->searchEntities("City", options["--search"]);
        } else {
            entities = plugin->suggestedEntities("City");
        }
        std::cout << entitiesJson(entities).dump(2) << "\n";
    } else if (options.count("--timeline")) {
        if (!findWidget(options["--timeline"]))
            return usageError(program, "unknown widget kind '" + options["--timeline"] + "': see --list");
        const Timeline timeline = plugin->timeline(options["--timeline"], configuration, context);
        Json entries = Json::array();
        for (const TimelineEntry& entry : timeline.entries)
            entries.push_back(formatIso8601(Instant {entry.date}));
        std::cout << Json {{"entries", entries},
            {"policy", timeline.policy == ReloadPolicy::atEnd ? "atEnd" : "never"}}
                         .dump(2)
                  << "\n";
    } else {
        const std::string kind = options["--snapshot"];
        const WidgetDescription* widget = findWidget(kind);
        if (!widget)
            return usageError(program, "unknown widget kind '" + kind + "': see --list");
        if (!family || options["-o"].empty())
            return usageError(program, "--snapshot needs --family FAMILY and -o FILE.png");
        if (std::find(widget->families.begin(), widget->families.end(), *family) == widget->families.end())
            return usageError(program, "widget " + kind + " is not offered in " + rawValue(*family));
        const Face face = plugin->content(kind, plugin->snapshot(kind, configuration, context), *family);
        const QSizeF points = familyPointSize(*family);
        QImage image((points * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(face.containerBackground);
        {
            QPainter painter(&image);
            face.paint(painter, QRectF(QPointF(0, 0), points));
        }
        if (!image.save(QString::fromStdString(options["-o"]), "PNG")) {
            std::cerr << program << ": cannot write " << options["-o"] << "\n";
            return 1;
        }
        std::cout << Json {{"link", face.link}, {"accessibilityText", face.accessibilityText}}.dump() << "\n";
    }
    return 0;
}

} // namespace quillon::widgethost
