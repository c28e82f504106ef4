// The interface between a desktop widget host and a widget plug-in. It knows nothing of what
// the widgets show: a host can load any plug-in that implements it. Version 1.
#pragma once

#include "widget_plugin/widget_families.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace quillon::widgethost {

inline constexpr int kWidgetPluginInterfaceVersion = 1;

using quillon::WidgetFamily;

// One value a choice parameter can take: the stored raw value and what the editor lists.
struct ChoiceOption {
    std::string rawValue;
    std::string displayName;
};

enum class ParameterType {
    choice, // one raw value of `choices`
    entityList, // optional list of entity ids
    entity, // optional entity id
    text, // optional text
    dateTime, // optional date and time, seconds since 2001-01-01T00:00:00Z
};

struct ConfigurationParameter {
    std::string key; // the key in the configuration's JSON object
    std::string title;
    std::optional<std::string> description;
    ParameterType type = ParameterType::text;
    std::string typeName; // "Theme", "Period", "City", ...: the type as the editor names it
    std::string defaultValue; // the default as JSON text: a raw value in quotes, or null
    std::vector<ChoiceOption> choices;
    std::string entityType; // for entity parameters: the type the entity calls take
};

struct ConfigurationType {
    std::string name; // "BoardIntent", ...
    std::string title; // the editor's title
    std::vector<ConfigurationParameter> parameters;
};

struct WidgetDescription {
    std::string kind; // identifies the widget to the host
    std::string displayName;
    std::string description;
    std::vector<WidgetFamily> families; // in the order the host offers them
    ConfigurationType configuration;
    bool contentMarginsDisabled = true; // the face draws edge to edge
};

// What an entry holds beyond its date belongs to the plug-in; the host only passes it back.
class EntryData {
public:
    virtual ~EntryData() = default;
};

struct TimelineEntry {
    double date = 0; // seconds since 2001-01-01T00:00:00Z: when to show it
    std::shared_ptr<const EntryData> data; // immutable; entries of one timeline may share it
};

enum class ReloadPolicy { atEnd, never };

struct Timeline {
    std::vector<TimelineEntry> entries; // in date order
    ReloadPolicy policy = ReloadPolicy::atEnd;
};

// A widget as the host draws it: paint into the rectangle, fill the container behind it, open the
// link on a click.
struct Face {
    std::function<void(QPainter&, const QRectF&)> paint;
    QColor containerBackground;
    std::string link;
    std::string accessibilityText;
};

// What the host tells a plug-in with each request.
struct HostContext {
    double now = 0; // seconds since 2001-01-01T00:00:00Z: the host's clock
};

struct Entity {
    std::string id;
    std::string title;
    std::string subtitle;
};

// Configurations travel as JSON objects of parameter values, keyed by parameter key. Every call but
// widgets() may come from several threads at once.
class WidgetPlugin {
public:
    virtual ~WidgetPlugin() = default;

    virtual std::vector<WidgetDescription> widgets() const = 0;
    // At once, without reading stored settings.
    virtual TimelineEntry placeholder(const std::string& kind, const HostContext& context) const = 0;
    virtual TimelineEntry snapshot(
        const std::string& kind, const std::string& configuration, const HostContext& context) const = 0;
    virtual Timeline timeline(
        const std::string& kind, const std::string& configuration, const HostContext& context) const = 0;
    virtual Face content(const std::string& kind, const TimelineEntry& entry, WidgetFamily family) const = 0;

    // Entities of a type, for entity parameters: by id (in the given order, unknown ids skipped),
    // matching a text, and the suggestions an editor lists first.
    virtual std::vector<Entity> entities(
        const std::string& entityType, const std::vector<std::string>& ids) const = 0;
    virtual std::vector<Entity> searchEntities(
        const std::string& entityType, const std::string& text) const = 0;
    virtual std::vector<Entity> suggestedEntities(const std::string& entityType) const = 0;
};

// The radius, in points, of the rounded corners a widget is drawn in, on the desktop and in pictures.
inline constexpr double kWidgetCornerRadius = 22;

const char* rawValue(WidgetFamily family);
// What hosts show: the family's size in points ("other" counts as medium), and its name in menus,
// in English and in the user's language.
QSizeF familyPointSize(WidgetFamily family);
const char* familyTitle(WidgetFamily family);
QString familyDisplayTitle(WidgetFamily family);

} // namespace quillon::widgethost

#define QuillonWidgetPlugin_iid "com.quillon.WidgetPlugin/1"
Q_DECLARE_INTERFACE(quillon::widgethost::WidgetPlugin, QuillonWidgetPlugin_iid)
