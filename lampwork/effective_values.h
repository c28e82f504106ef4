// What a widget shows: its own settings where it has them, the studio's elsewhere.
#pragma once

#include "lampwork/widget_configuration.h"
#include "scenes/display_content.h"
#include "state/studio_state.h"

namespace quillon {

// The content the widget's scene is built from, as the studio's is. A city the widget chose that
// no longer exists is the local one, as "local" is: the calendar's zone. A title or message counts
// when it has a character besides spaces and tabs, and is then shown exactly as entered.
DisplayContent effectiveContent(const WidgetConfiguration& config, const StudioState& app);
ThemeID effectiveTheme(const WidgetConfiguration& config, const StudioState& app);

} // namespace quillon
