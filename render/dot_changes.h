// Which dots differ between two frames of a board.
#pragma once

#include "core/board_geometry.h"

#include <optional>
#include <vector>

namespace quillon {

// The dots lit, darkened, added or removed between two frames of a board, each as its box (a dot
// lit in one frame and unlit in the other is listed twice). Nothing when the dots are not listed
// row by row, top to bottom and left to right, as boardLayers lists them: the caller then redraws
// the whole board.
std::optional<std::vector<DotRect>> changedDots(const BoardLayers& before, const BoardLayers& after);

// Whether everything but the dots is the same: box, pitch, tiles and seams.
bool sameFrame(const BoardLayers& before, const BoardLayers& after);

} // namespace quillon
