// The links by which a desktop widget opens the studio on its kind: quillon://widget/<kind>.
#pragma once

#include "scenes/dot_widget_kind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::size_t kMaxLinkLength = 4096;

// The kind a link names, when its scheme is exactly "quillon", its host exactly "widget" and its
// last path component exactly a kind's raw value; nothing for any other text.
std::optional<DotWidgetKind> kindFromWidgetLink(std::string_view link);

std::string widgetLink(DotWidgetKind kind);

// The kind the last of these links names that names one; nothing when none does. A desktop hands
// over several links at once only when it batches clicks, and only the last one can show.
std::optional<DotWidgetKind> kindFromLastWidgetLink(const std::vector<std::string>& links);

} // namespace quillon
