// The six kinds of display.
#pragma once

#include "scenes/dot_size.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace quillon {

enum class DotWidgetKind { worldBoard, clock, day, progress, countdown, sign };

inline constexpr std::array<DotWidgetKind, 6> kAllWidgetKinds {
    DotWidgetKind::worldBoard,
    DotWidgetKind::clock,
    DotWidgetKind::day,
    DotWidgetKind::progress,
    DotWidgetKind::countdown,
    DotWidgetKind::sign,
};

std::string_view rawValue(DotWidgetKind kind);
std::optional<DotWidgetKind> widgetKindFromRawValue(std::string_view raw);
std::string_view title(DotWidgetKind kind);
// The name of the symbol shown beside the title, in the system symbol naming ("globe").
std::string_view symbolName(DotWidgetKind kind);
// The sizes in which the kind is offered, smallest first: the world board has no small size,
// and only the world board and the sign come extra large.
std::span<const DotSize> supportedSizes(DotWidgetKind kind);
// The string that names the kind's desktop widget to a widget host ("WorldBoard", "DotClock", ...).
std::string_view widgetKindString(DotWidgetKind kind);

} // namespace quillon
