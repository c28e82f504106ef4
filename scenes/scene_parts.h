// Small pieces the scene builders share.
#pragma once

#include "scenes/dot_scene.h"
#include "scenes/dot_size.h"

#include <string>
#include <vector>

namespace quillon::scene_parts {

struct Spacing {
    double spacing;
    double padding;
};

// By size: small, medium, then large and extra large alike.
inline Spacing bySize(DotSize size, Spacing small, Spacing medium, Spacing large)
{
    return size == DotSize::small ? small : size == DotSize::medium ? medium : large;
}

inline DotBlock textBlock(std::string line, int cells, double weight, DotAlignment align)
{
    return TextBlock {{std::move(line)}, cells, weight, align};
}

inline DotBlock barBlock(double fraction, int cells, double weight)
{
    return BarBlock {fraction, cells, weight, DotAlignment::center()};
}

inline DotScene scene(std::vector<DotBlock> blocks, Spacing spacing)
{
    return {std::move(blocks), spacing.spacing, spacing.padding};
}

// The height of n lines of text in dot rows (seven a line, three between), counted in lines.
inline double textWeight(std::size_t lines)
{
    const double count = static_cast<double>(std::max<std::size_t>(lines, 1));
    return (7 * count + 3 * (count - 1)) / 7;
}

} // namespace quillon::scene_parts
