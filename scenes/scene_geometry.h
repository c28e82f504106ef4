// A whole scene as boards of dots in a rectangle, in points.
#pragma once

#include "core/board_geometry.h"
#include "core/dot_grid.h"
#include "scenes/dot_scene.h"

#include <vector>

namespace quillon {

// One board of a scene: its grid and the box offered to it (a board draws in the largest box of
// its grid's aspect ratio inside).
struct PlacedBoard {
    DotGrid grid;
    DotRect box;
    bool operator==(const PlacedBoard&) const = default;
};

inline constexpr int kSceneLineGap = 3;
inline constexpr int kBarRows = 3;

// The scene fitted and laid out: every text line its own one-line board at the block's shared
// pitch, every bar a board of cells x 6 - 1 by 3 dots, in block order, top to bottom.
std::vector<PlacedBoard> sceneBoards(const DotScene& scene, DotRect bounds);

// The layers of each board of sceneBoards, in drawing order.
std::vector<BoardLayers> sceneLayers(const DotScene& scene, DotRect bounds);

} // namespace quillon
