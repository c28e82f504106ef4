// The colours and halo of a board's layers that do not come from the theme, and where the halo is drawn.
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

// Where a board is drawn. The glow belongs to the studio's card on dark themes, where it reads as lit
// lamps; desktop widgets are drawn flat, since a halo over the wallpaper looks like a smudge and a
// widget repaints every minute on a machine the user is working on.
enum class BoardSurface { studioCard, desktopWidget };

inline bool drawsGlow(BoardSurface surface, const DotTheme& theme)
{
    return surface == BoardSurface::studioCard && theme.isDark;
}

inline DotColor tileColour(const DotTheme& theme)
{
    return theme.isDark ? kDarkThemeTile : kLightThemeTile;
}

} // namespace quillon
