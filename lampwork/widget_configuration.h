// A placed widget's own settings, as the host stores them, and the types that describe them.
#pragma once

#include "core/dot_theme.h"
#include "platform/calendar/instant.h"
#include "scenes/display_text.h"
#include "scenes/progress_period.h"
#include "widget_plugin/widget_plugin.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// "Same as App", or a theme of its own.
struct ThemeChoice {
    std::optional<ThemeID> theme; // nothing: follow the studio
    bool operator==(const ThemeChoice&) const = default;
};

struct PeriodChoice {
    std::optional<ProgressPeriod> period;
    bool operator==(const PeriodChoice&) const = default;
};

// Every parameter any widget has, each at its default until the user sets it. A widget type uses
// the ones its configuration type lists; the rest stay at their defaults.
struct WidgetConfiguration {
    ThemeChoice theme;
    std::optional<std::vector<std::string>> cities; // city entity ids
    std::optional<std::string> city;
    PeriodChoice period;
    std::optional<std::string> label;
    std::optional<Instant> target;
    std::optional<std::string> message;
    bool operator==(const WidgetConfiguration&) const = default;
};

// Texts are cut at this many characters, as every display's are; dates outside the years 1 to
// 9999 count as unset.
inline constexpr std::size_t kMaxConfigurationText = kMaxDisplayTextCharacters;

// Total: a missing key, null, a wrong type, an unknown raw value or an out-of-range value leaves
// that parameter at its default; unknown keys are ignored; text that is no JSON object gives
// every default.
WidgetConfiguration decodeWidgetConfiguration(std::string_view json);
std::string encodeWidgetConfiguration(const WidgetConfiguration& configuration);

// The six configuration types with their titles, parameters and defaults.
enum class IntentType { board, clock, themeOnly, progress, countdown, sign };
widgethost::ConfigurationType configurationType(IntentType type);

} // namespace quillon
