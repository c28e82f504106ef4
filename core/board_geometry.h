// Where the dots, tiles and seams of a dot grid go in a rectangle, in points.
#pragma once

#include "core/dot_geometry.h"
#include "core/dot_grid.h"

#include <vector>

namespace quillon {

// The dot pitch and the top-left corner of a grid fitted into a rectangle. A grid limited by the
// height may be up to 3 % taller than the rectangle, overhanging it equally above and below.
struct GridMetrics {
    double pitch = 0;
    double originX = 0;
    double originY = 0;
    bool operator==(const GridMetrics&) const = default;
};

GridMetrics gridMetrics(int columns, int rows, DotRect rect);

// The largest box of the grid's aspect ratio that fits in the offered rectangle, centred.
DotRect boardBox(int columns, int rows, DotRect offered);

// The bounding boxes of the circles of every dot equal to `state`; `fill` is the diameter as a
// fraction of the pitch.
std::vector<DotRect> dotCircles(const DotGrid& grid, Dot state, double fill, DotRect rect);

// One split-flap tile behind each character cell, reaching 0.22 pitch beyond the glyph.
std::vector<DotRect> flapTiles(const DotGrid& grid, DotRect rect);
double flapTileCornerRadius(double pitch);

// The seam across the middle of each tile; none when the pitch is below 2.5 points, where a seam
// would only blur the dots.
std::vector<DotRect> flapSeams(const DotGrid& grid, DotRect rect);

inline constexpr double kDotFill = 0.8;

// The four layers of a board, back to front, for a grid drawn in the box it fits in.
struct BoardLayers {
    DotRect box;
    double pitch = 0;
    std::vector<DotRect> tiles; // rounded with flapTileCornerRadius(pitch)
    std::vector<DotRect> seams;
    std::vector<DotRect> unlitDots; // circles
    std::vector<DotRect> litDots; // circles
    bool operator==(const BoardLayers&) const = default;
};

BoardLayers boardLayers(const DotGrid& grid, DotRect offered);

// Lines of text stacked at one pitch, `lineGap` pitches apart, the stack aligned in the area.
struct RowsLayout {
    double pitch = 0;
    std::vector<DotRect> rows; // each exactly (cells x 6 - 1) x 7 pitches
    bool operator==(const RowsLayout&) const = default;
};

RowsLayout rowsLayout(int lineCount, int cells, double lineGap, DotAlignment alignment, DotRect area);

} // namespace quillon
