// The plug-in's list of widgets and the host's calls.
#include "lampwork/lampwork_widgets.h"

#include "lampwork/city_query.h"
#include "lampwork/dot_face.h"
#include "names/display_names.h"

#include <QCoreApplication>

namespace quillon {
namespace {

// The translation context of the widgets' descriptions.
constexpr const char* kContext = "quillon::Lampworks";

} // namespace

using namespace widgethost;

const std::array<LampworkWidget, 6>& lampworks()
{
    // The descriptions in English; widgets() gives them in the user's language.
    static const std::array<LampworkWidget, 6> catalogue {{
        {DotWidgetKind::worldBoard,
            QT_TRANSLATE_NOOP("quillon::Lampworks", "Times across your cities, departures-board style."),
            IntentType::board},
        {DotWidgetKind::clock, QT_TRANSLATE_NOOP("quillon::Lampworks", "One city's time in big dots."),
            IntentType::clock},
        {DotWidgetKind::day,
            QT_TRANSLATE_NOOP("quillon::Lampworks", "Today's date with a bar for how much of it is left."),
            IntentType::themeOnly},
        {DotWidgetKind::progress,
            QT_TRANSLATE_NOOP("quillon::Lampworks", "How far through the day, week, month or year you are."),
            IntentType::progress},
        {DotWidgetKind::countdown,
            QT_TRANSLATE_NOOP("quillon::Lampworks", "Days, hours and minutes until something."),
            IntentType::countdown},
        {DotWidgetKind::sign, QT_TRANSLATE_NOOP("quillon::Lampworks", "Your own message on a dot display."),
            IntentType::sign},
    }};
    return catalogue;
}

std::optional<LampworkWidget> lampworkWidget(const std::string& kindString)
{
    for (const LampworkWidget& widget : lampworks()) {
        if (kindString == widgetKindString(widget.kind))
            return widget;
    }
    return std::nullopt;
}

std::vector<WidgetDescription> LampworkWidgets::widgets() const
{
    std::vector<WidgetDescription> descriptions;
    for (const LampworkWidget& widget : lampworks()) {
        WidgetDescription description {std::string(widgetKindString(widget.kind)),
            displayName(widget.kind).toStdString(),
            QCoreApplication::translate(kContext, widget.description).toStdString(), {},
            configurationType(widget.configuration), true};
        // The families follow from the sizes the kind supports, in that order.
        for (DotSize size : supportedSizes(widget.kind))
            description.families.push_back(familyForSize(size));
        descriptions.push_back(std::move(description));
    }
    return descriptions;
}

TimelineEntry LampworkWidgets::placeholder(const std::string&, const HostContext& context) const
{
    return m_provider.placeholder(Instant {context.now});
}

TimelineEntry LampworkWidgets::snapshot(
    const std::string&, const std::string& configuration, const HostContext& context) const
{
    return m_provider.snapshot(decodeWidgetConfiguration(configuration), Instant {context.now});
}

Timeline LampworkWidgets::timeline(
    const std::string&, const std::string& configuration, const HostContext& context) const
{
    return m_provider.timeline(decodeWidgetConfiguration(configuration), Instant {context.now});
}

Face LampworkWidgets::content(const std::string& kind, const TimelineEntry& entry, WidgetFamily family) const
{
    // An unknown kind string still gets a face: the first widget's.
    const LampworkWidget widget = lampworkWidget(kind).value_or(lampworks().front());
    return dotFace(widget.kind, entry, family, m_sources.calendar());
}

City LampworkWidgets::localCity() const
{
    return City::localIn(m_sources.calendar().timeZone().identifier());
}

std::vector<Entity> LampworkWidgets::entities(
    const std::string& type, const std::vector<std::string>& ids) const
{
    return type == "City" ? cityEntities(ids, localCity()) : std::vector<Entity> {};
}

std::vector<Entity> LampworkWidgets::searchEntities(const std::string& type, const std::string& text) const
{
    return type == "City" ? matchingCityEntities(text, localCity()) : std::vector<Entity> {};
}

std::vector<Entity> LampworkWidgets::suggestedEntities(const std::string& type) const
{
    return type == "City" ? suggestedCityEntities(localCity()) : std::vector<Entity> {};
}

} // namespace quillon
