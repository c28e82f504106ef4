// A display as a top-to-bottom stack of text and bar blocks.
#pragma once

#include "core/dot_geometry.h"

#include <string>
#include <variant>
#include <vector>

namespace quillon {

// Some lines of dot text; `cells` is a minimum that fitting widens to the longest line.
struct TextBlock {
    std::vector<std::string> lines;
    int cells = 0;
    double weight = 1; // share of the scene's height
    DotAlignment align = DotAlignment::leading();
    bool operator==(const TextBlock&) const = default;
};

// A fill bar exactly as wide, in dots, as a text line of the same cells.
struct BarBlock {
    double fraction = 0; // meaningful from 0 to 1
    int cells = 0;
    double weight = 1;
    DotAlignment align = DotAlignment::center();
    bool operator==(const BarBlock&) const = default;
};

using DotBlock = std::variant<TextBlock, BarBlock>;

struct DotScene {
    std::vector<DotBlock> blocks;
    double spacing = 0; // points between consecutive blocks
    double padding = 0; // points of inset on all four sides
    bool operator==(const DotScene&) const = default;
};

int cells(const DotBlock& block);
double weight(const DotBlock& block);
DotAlignment alignment(const DotBlock& block);

// Every text block's cells widened to its longest normalised line, trailing spaces not counted,
// so that a long line makes the dots smaller instead of being cut off.
DotScene fitted(const DotScene& scene);

// The spoken description: the lines of each text block joined with ", ", the blocks with ". ";
// bars are skipped.
std::string accessibilityText(const std::vector<DotBlock>& blocks);

// The frame of each block of a fitted scene laid out in a rectangle: heights in proportion to the
// weights, separated by the spacing, inset by the padding.
std::vector<DotRect> blockFrames(const DotScene& scene, DotRect bounds);

} // namespace quillon
