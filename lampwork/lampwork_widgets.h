// Lampwork, the widget plug-in: six dot-matrix widgets.
#pragma once

#include "lampwork/minute_provider.h"
#include "lampwork/widget_configuration.h"
#include "scenes/city.h"
#include "scenes/dot_widget_kind.h"
#include "widget_plugin/widget_plugin.h"

#include <optional>

namespace quillon {

struct LampworkWidget {
    // Its kind string, how the host knows it, is widgetKindString(kind); its name is the studio's.
    DotWidgetKind kind;
    const char* description; // in English, as the catalogues list it: widgets() translates
    IntentType configuration;
};

// The six widgets in the order the plug-in lists them.
const std::array<LampworkWidget, 6>& lampworks();
std::optional<LampworkWidget> lampworkWidget(const std::string& kindString);

// Everything the host asks of the widgets, with the time and settings read from the given sources.
class LampworkWidgets final : public widgethost::WidgetPlugin {
public:
    explicit LampworkWidgets(ProviderSources sources)
        : m_sources(std::move(sources))
        , m_provider(m_sources)
    {
    }

    std::vector<widgethost::WidgetDescription> widgets() const override;
    widgethost::TimelineEntry placeholder(
        const std::string& kind, const widgethost::HostContext& context) const override;
    widgethost::TimelineEntry snapshot(const std::string& kind, const std::string& configuration,
        const widgethost::HostContext& context) const override;
    widgethost::Timeline timeline(const std::string& kind, const std::string& configuration,
        const widgethost::HostContext& context) const override;
    widgethost::Face content(const std::string& kind, const widgethost::TimelineEntry& entry,
        widgethost::WidgetFamily family) const override;
    std::vector<widgethost::Entity> entities(
        const std::string& entityType, const std::vector<std::string>& ids) const override;
    std::vector<widgethost::Entity> searchEntities(
        const std::string& entityType, const std::string& text) const override;
    std::vector<widgethost::Entity> suggestedEntities(const std::string& entityType) const override;

private:
    City localCity() const;

    ProviderSources m_sources;
    MinuteProvider m_provider;
};

} // namespace quillon
