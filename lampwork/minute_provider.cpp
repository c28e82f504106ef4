// Placeholder, snapshot and timeline.
#include "lampwork/minute_provider.h"

#include "state/shared_store.h"

namespace quillon {

ProviderSources systemProviderSources()
{
    return {[] { return Calendar::current(); },
        [](Instant now, const Calendar& calendar) { return SharedStore::shared().load(now, calendar); }};
}

widgethost::TimelineEntry MinuteProvider::placeholder(Instant now) const
{
    return {now.secondsSinceReferenceDate,
        std::make_shared<const DotEntry>(
            WidgetConfiguration {}, StudioState::makeDefault(now, m_sources.calendar()))};
}

widgethost::TimelineEntry MinuteProvider::snapshot(const WidgetConfiguration& config, Instant now) const
{
    const Calendar calendar = m_sources.calendar();
    return {now.secondsSinceReferenceDate,
        std::make_shared<const DotEntry>(config, m_sources.load(now, calendar))};
}

widgethost::Timeline MinuteProvider::timeline(const WidgetConfiguration& config, Instant now) const
{
    const Calendar calendar = m_sources.calendar();
    const auto entry = std::make_shared<const DotEntry>(config, m_sources.load(now, calendar));
    const Instant start = calendar.startOfMinute(now);
    widgethost::Timeline timeline;
    timeline.policy = widgethost::ReloadPolicy::atEnd;
    for (int minute = 0; minute < kEntries; ++minute)
        timeline.entries.push_back({(start + 60.0 * minute).secondsSinceReferenceDate, entry});
    return timeline;
}

} // namespace quillon
