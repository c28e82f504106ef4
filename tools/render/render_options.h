// The command line of quillon-render.
#pragma once

#include "core/dot_theme.h"
#include "platform/calendar/instant.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillon {

enum class RenderFormat { png, json, text };

// What is left unset here comes from the stored settings record, or with --defaults from the
// default record.
struct RenderOptions {
    DotWidgetKind kind = DotWidgetKind::worldBoard;
    std::optional<DotSize> size;
    std::optional<ThemeID> theme;
    std::optional<Instant> at;
    RenderFormat format = RenderFormat::png;
    std::string output; // empty: standard output
    double scale = 2;
    std::optional<bool> glow;
    bool ignoreStoredSettings = false;

    std::optional<std::vector<std::string>> cities;
    std::optional<std::string> clockCity;
    std::optional<bool> use24h;
    std::optional<ProgressPeriod> period;
    std::optional<std::string> title;
    std::optional<Instant> target;
    std::optional<std::string> message;
};

struct UsageError {
    std::string message; // one line naming the argument and what it accepts
};

struct HelpRequest { };
struct VersionRequest { };
struct CityListRequest { };

std::variant<RenderOptions, UsageError, HelpRequest, VersionRequest, CityListRequest> parseRenderOptions(
    const std::vector<std::string>& arguments);

extern const char* const kRenderUsage;

} // namespace quillon
