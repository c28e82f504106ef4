// How big the widget card is on the stage.
#pragma once

#include "core/dot_geometry.h"
#include "scenes/dot_size.h"

namespace quillon {

inline constexpr double kCardCornerRadius = 22;
inline constexpr double kMinStageScale = 0.3;

// The card's scale on a stage of this size: the height left after a reserve (190 points, 80 in
// full view) and a share of the width (0.78, 0.9 in full view), at most 2.6 (4 in full view) and
// at least 0.3.
double stageScale(DotSizeF stage, DotSize size, bool fullView);

} // namespace quillon
