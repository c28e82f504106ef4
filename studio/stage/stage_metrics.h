// How big the widget card is on the stage.
#pragma once

#include "core/dot_geometry.h"
#include "scenes/dot_size.h"

namespace quillon {

inline constexpr double kCardCornerRadius = 22;
inline constexpr double kMinStageScale = 0.3;
// The control bar floats this far above the stage's bottom edge, and keeps at least this much
// room between itself and the card.
inline constexpr double kControlBarMargin = 22;
inline constexpr double kCardToControlBarGap = 12;

// The height the card leaves free in normal view: 190 points, or more when the control bar below
// it (`controlBarHeight` tall) needs more. The card is centred, so the room below it is half of
// this: the bar, its margin and the gap.
double reservedStageHeight(double controlBarHeight);

// The card's scale on a stage of this size: the height left after a reserve
// (reservedStageHeight(controlBarHeight), 80 in full view) and a share of the width (0.78, 0.9 in
// full view), at most 2.6 (4 in full view) and at least 0.3.
double stageScale(DotSizeF stage, DotSize size, bool fullView, double controlBarHeight = 0);

} // namespace quillon
