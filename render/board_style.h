// The colours and halo of a board's layers that do not come from the theme.
#pragma once

#include "core/dot_theme.h"

namespace quillon {

// Faint tiles: lighter than the panel on dark themes, darker on light ones.
inline constexpr DotColor kDarkThemeTile {255, 255, 255, 0.055};
inline constexpr DotColor kLightThemeTile {0, 0, 0, 0.045};
// Seams are cut in the panel's own colour.
inline constexpr double kSeamOpacity = 0.9;
// The halo of lit dots: a shadow of this blur radius in points, in the lit colour at 35 %.
inline constexpr double kGlowRadius = 3.0;
inline constexpr double kGlowOpacity = 0.35;

inline DotColor tileColour(const DotTheme& theme)
{
    return theme.isDark ? kDarkThemeTile : kLightThemeTile;
}

} // namespace quillon
