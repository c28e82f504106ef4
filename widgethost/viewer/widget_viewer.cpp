// The viewer: loads a widget plug-in through the host interface, as a widget host does, and prints
// its widgets, timelines and entities, or paints one face to a PNG.
#include "widgethost/viewer/widget_viewer.h"

#include "widget_plugin/plugin_files.h"

#include "platform/calendar/instant.h"
#include "platform/calendar/iso8601.h"
#include "platform/command_line/command_line.h"
#include "platform/command_line/echoed_value.h"
#include "platform/info/build_info.h"
#include "widget_plugin/widget_plugin.h"

#include <nlohmann/json.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

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
      "       PROGRAM --version\n"
      "KIND is a widget's kind string (see --list); FAMILY is systemSmall, systemMedium, systemLarge or\n"
      "systemExtraLarge; INSTANT is ISO 8601 with an offset or Z; JSON is the widget's configuration.\n"
      "Names and titles are in the user's language, as a host shows them; kinds and raw values are not.\n";

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

// Plug-in files of the folder (or the one file) given, else of the program's own install; those
// another user could have changed are left out, with a line saying so.
QStringList pluginCandidates(const QString& given, const std::string& program)
{
    return trustedPluginFiles({given.isEmpty() ? installedPluginFolder() : given},
        [&](const std::string& line) { std::cerr << program << ": " << line << "\n"; });
}

enum class ViewerAction { help, version, list, timeline, snapshot, entities };

// What the command line asks for, its values read. Whether a kind exists is for the plug-in to say,
// so the snapshot's other needs are checked after that, with the plug-in loaded.
struct ViewerRequest {
    ViewerAction action = ViewerAction::help;
    std::string kind; // of --timeline or --snapshot
    std::string plugin; // a plug-in file or a folder of them; empty: the installed ones
    std::string configuration = "{}";
    std::optional<Instant> at; // empty: now
    std::optional<WidgetFamily> family;
    double scale = 2;
    std::string output;
    std::optional<std::vector<std::string>> ids;
    std::optional<std::string> search;
};

constexpr CommandLineOption kOptions[] = {
    {"--help", CommandLineOption::standalone},
    {"-h", CommandLineOption::standalone},
    {"--version", CommandLineOption::standalone},
    {"--list"},
    {"--entities"},
    {"--timeline", CommandLineOption::valued},
    {"--snapshot", CommandLineOption::valued},
    {"--plugin", CommandLineOption::valued},
    {"--family", CommandLineOption::valued},
    {"--config", CommandLineOption::valued},
    {"--at", CommandLineOption::valued},
    {"--scale", CommandLineOption::valued},
    {"-o", CommandLineOption::valued},
    {"--search", CommandLineOption::valued},
    {"--ids", CommandLineOption::valued},
};

// `arguments` as QCoreApplication gives them, the program first; a string is the usage error.
std::variant<ViewerRequest, std::string> parseViewerRequest(const QStringList& arguments)
{
    std::vector<std::string> words;
    for (qsizetype index = 1; index < arguments.size(); ++index)
        words.push_back(arguments[index].toStdString());
    const auto parsed = parseCommandLine(words, kOptions, PlainArguments::rejected);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return error->message() + ": see --help";
    const CommandLine& line = std::get<CommandLine>(parsed);

    ViewerRequest request;
    if (line.has("--help") || line.has("-h"))
        return request;
    if (line.has("--version")) {
        request.action = ViewerAction::version;
        return request;
    }
    const std::pair<const char*, ViewerAction> actions[]
        = {{"--list", ViewerAction::list}, {"--timeline", ViewerAction::timeline},
            {"--snapshot", ViewerAction::snapshot}, {"--entities", ViewerAction::entities}};
    int given = 0;
    for (const auto& [option, action] : actions) {
        if (line.has(option)) {
            request.action = action;
            ++given;
        }
    }
    if (given != 1)
        return std::string("give one of --list, --timeline KIND, --snapshot KIND, --entities");
    request.kind = line.value("--timeline").value_or(line.value("--snapshot").value_or(""));

    if (const auto at = line.value("--at")) {
        request.at = parseIso8601(*at);
        if (!request.at)
            return invalidValueMessage("--at", *at, "ISO 8601 with an offset, such as 2026-12-05T14:30:00Z");
    }
    if (const auto family = line.value("--family")) {
        request.family = widgetFamilyFromRawValue(*family);
        if (!request.family || *request.family == WidgetFamily::other)
            return invalidValueMessage(
                "--family", *family, "systemSmall, systemMedium, systemLarge, systemExtraLarge");
    }
    if (const auto scale = line.value("--scale")) {
        const auto number = numberWithin(*scale, 0.25, 8);
        if (!number)
            return invalidValueMessage("--scale", *scale, "a number from 0.25 to 8");
        request.scale = *number;
    }
    request.plugin = line.value("--plugin").value_or("");
    request.configuration = line.value("--config").value_or("{}");
    request.output = line.value("-o").value_or("");
    if (const auto ids = line.value("--ids"))
        request.ids = commaSeparatedItems(*ids);
    request.search = line.value("--search");
    return request;
}

// The first plug-in among `candidates` that offers the widget interface; the loader keeps it loaded.
WidgetPlugin* loadPlugin(QPluginLoader& loader, const QStringList& candidates)
{
    for (const QString& file : candidates) {
        loader.setFileName(file);
        if (loader.metaData().value("IID").toString() != QuillonWidgetPlugin_iid)
            continue;
        if (auto* plugin = qobject_cast<WidgetPlugin*>(loader.instance()))
            return plugin;
    }
    return nullptr;
}

const WidgetDescription* findWidget(const std::vector<WidgetDescription>& widgets, const std::string& kind)
{
    const auto found = std::find_if(
        widgets.begin(), widgets.end(), [&](const WidgetDescription& widget) { return widget.kind == kind; });
    return found == widgets.end() ? nullptr : &*found;
}

HostContext contextFor(const ViewerRequest& request)
{
    return {request.at.value_or(Instant::now()).secondsSinceReferenceDate};
}

int printWidgets(WidgetPlugin& plugin)
{
    Json list = Json::array();
    for (const WidgetDescription& widget : plugin.widgets())
        list.push_back(widgetJson(widget));
    std::cout << list.dump(2) << "\n";
    return 0;
}

int printEntities(WidgetPlugin& plugin, const ViewerRequest& request)
{
    std::vector<Entity> entities;
    if (request.ids)
        entities = plugin.entities("City", *request.ids);
    else if (request.search)
        entities = plugin.searchEntities("City", *request.search);
    else
        entities = plugin.suggestedEntities("City");
    std::cout << entitiesJson(entities).dump(2) << "\n";
    return 0;
}

int printTimeline(WidgetPlugin& plugin, const ViewerRequest& request, const std::string& program)
{
    if (!findWidget(plugin.widgets(), request.kind))
        return usageError(program, "unknown widget kind '" + echoedValue(request.kind) + "': see --list");
    const Timeline timeline = plugin.timeline(request.kind, request.configuration, contextFor(request));
    Json entries = Json::array();
    for (const TimelineEntry& entry : timeline.entries)
        entries.push_back(formatIso8601(Instant {entry.date}));
    std::cout << Json {{"entries", entries},
        {"policy", timeline.policy == ReloadPolicy::atEnd ? "atEnd" : "never"}}
                     .dump(2)
              << "\n";
    return 0;
}

int paintSnapshot(WidgetPlugin& plugin, const ViewerRequest& request, const std::string& program)
{
    const std::string& kind = request.kind;
    const std::vector<WidgetDescription> widgets = plugin.widgets();
    const WidgetDescription* widget = findWidget(widgets, kind);
    if (!widget)
        return usageError(program, "unknown widget kind '" + echoedValue(kind) + "': see --list");
    if (!request.family || request.output.empty())
        return usageError(program, "--snapshot needs --family FAMILY and -o FILE.png");
    const WidgetFamily family = *request.family;
    if (std::find(widget->families.begin(), widget->families.end(), family) == widget->families.end())
        return usageError(program, "widget " + kind + " is not offered in " + rawValue(family));
    const Face face
        = plugin.content(kind, plugin.snapshot(kind, request.configuration, contextFor(request)), family);
    const QSizeF points = familyPointSize(family);
    QImage image((points * request.scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(request.scale);
    image.fill(face.containerBackground);
    {
        QPainter painter(&image);
        face.paint(painter, QRectF(QPointF(0, 0), points));
    }
    if (!image.save(QString::fromStdString(request.output), "PNG")) {
        std::cerr << program << ": cannot write " << request.output << "\n";
        return 1;
    }
    std::cout << Json {{"link", face.link}, {"accessibilityText", face.accessibilityText}}.dump() << "\n";
    return 0;
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
    const auto parsed = parseViewerRequest(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed))
        return usageError(program, *error);
    const ViewerRequest& request = std::get<ViewerRequest>(parsed);
    if (request.action == ViewerAction::help) {
        std::cout << usageFor(program);
        return 0;
    }
    // Each program that carries the viewer links its own information record.
    if (request.action == ViewerAction::version) {
        std::cout << versionLine(program, thisBuild()) << "\n";
        return 0;
    }

    const QStringList candidates = pluginCandidates(QString::fromStdString(request.plugin), program);
    QPluginLoader loader;
    WidgetPlugin* plugin = loadPlugin(loader, candidates);
    if (!plugin) {
        std::cerr << program << ": no widget plug-in found"
                  << (candidates.isEmpty() ? std::string() : " among " + candidates.join(", ").toStdString())
                  << "\n";
        return 1;
    }
    switch (request.action) {
    case ViewerAction::list:
        return printWidgets(*plugin);
    case ViewerAction::timeline:
        return printTimeline(*plugin, request, program);
    case ViewerAction::snapshot:
        return paintSnapshot(*plugin, request, program);
    case ViewerAction::entities:
        return printEntities(*plugin, request);
    case ViewerAction::help:
    case ViewerAction::version:
        break;
    }
    return 0;
}

} // namespace quillon::widgethost
