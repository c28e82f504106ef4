// Drawing a dot grid as text for a terminal.
#pragma once

#include "core/dot_grid.h"
#include "core/dot_theme.h"

#include <optional>
#include <string>

namespace quillon {

// One text line per dot row: a lit dot is "●", an unlit one "·", no dot a space. With a theme the
// dots take its lit and unlit colours on its background (24-bit ANSI colour).
std::string terminalDots(const DotGrid& grid, const std::optional<DotTheme>& theme);

} // namespace quillon
