// What a widget shows: its own settings where it has them, the studio's elsewhere.
#pragma once

#include "scenes/city.h"
#include "state/studio_state.h"
#include "widget/widget_configuration.h"

#include <string>
#include <vector>

namespace quillon {

// The local city stands for the zone the widget is drawn in: the calendar's.
ThemeID effectiveTheme(const WidgetConfiguration& config, const StudioState& app);
// The widget's chosen cities (unknown ids and "local" as the local city), or when it chose none
// the studio's list (unknown ids left out).
std::vector<City> effectiveBoardCities(
    const WidgetConfiguration& config, const StudioState& app, const City& local);
City effectiveClockCity(const WidgetConfiguration& config, const StudioState& app, const City& local);
ProgressPeriod effectivePeriod(const WidgetConfiguration& config, const StudioState& app);
// A label or message counts when it has a character besides spaces and tabs; it is then shown
// exactly as entered.
std::string effectiveCountdownTitle(const WidgetConfiguration& config, const StudioState& app);
Instant effectiveCountdownTarget(const WidgetConfiguration& config, const StudioState& app);
std::string effectiveSignMessage(const WidgetConfiguration& config, const StudioState& app);

} // namespace quillon
