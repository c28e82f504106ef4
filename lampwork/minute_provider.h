// The entries a widget's timeline is made of: one a minute for an hour, each carrying the
// widget's settings and the studio's.
#pragma once

#include "lampwork/widget_configuration.h"
#include "state/studio_state.h"
#include "widget_plugin/widget_plugin.h"

#include <functional>

namespace quillon {

struct DotEntry final : widgethost::EntryData {
    DotEntry(WidgetConfiguration widgetConfig, StudioState studio)
        : config(std::move(widgetConfig))
        , app(std::move(studio))
    {
    }
    WidgetConfiguration config;
    StudioState app;
};

// Where the provider gets the calendar and the settings; tests put their own in place. The time
// comes from the host with each request.
struct ProviderSources {
    std::function<Calendar()> calendar;
    std::function<StudioState(Instant, const Calendar&)> load;
};

ProviderSources systemProviderSources();

class MinuteProvider {
public:
    static constexpr int kEntries = 61;

    explicit MinuteProvider(ProviderSources sources)
        : m_sources(std::move(sources))
    {
    }

    // Now, the default configuration and the default settings, without reading the store.
    widgethost::TimelineEntry placeholder(Instant now) const;
    // Now, unrounded, with the stored settings.
    widgethost::TimelineEntry snapshot(const WidgetConfiguration& config, Instant now) const;
    // The settings read once; entries from the start of the current minute, a minute apart, the
    // last an hour later, all sharing the one record; the host asks again after the last.
    widgethost::Timeline timeline(const WidgetConfiguration& config, Instant now) const;

private:
    ProviderSources m_sources;
};

} // namespace quillon
