// Dot grids as UTF-8 text with optional ANSI colour.
#include "tools/banner/terminal_dots.h"

#include <cmath>

namespace quillon {
namespace {

// Terminals have no opacity: blend the colour over the background instead.
DotColor over(DotColor colour, DotColor background)
{
    auto mix = [&](std::uint8_t top, std::uint8_t bottom) {
        return static_cast<std::uint8_t>(std::lround(top * colour.opacity + bottom * (1.0 - colour.opacity)));
    };
    return {mix(colour.red, background.red), mix(colour.green, background.green),
        mix(colour.blue, background.blue)};
}

std::string ansi(int layer, DotColor colour)
{
    return "\x1b[" + std::to_string(layer) + ";2;" + std::to_string(colour.red) + ";"
        + std::to_string(colour.green) + ";" + std::to_string(colour.blue) + "m";
}

} // namespace

std::string terminalDots(const DotGrid& grid, const std::optional<DotTheme>& theme)
{
    std::string out;
    const std::string margin = theme ? ansi(48, theme->background) + "  " : "";
    for (int row = 0; row < grid.rows; ++row) {
        out += margin;
        Dot previous = Dot::none;
        for (int column = 0; column < grid.columns; ++column) {
            const Dot dot = grid.at(column, row);
            if (theme && dot != previous && dot != Dot::none)
                out += ansi(38, dot == Dot::on ? theme->lit : over(theme->unlit, theme->background));
            if (dot != Dot::none)
                previous = dot;
            out += dot == Dot::on ? "\u25CF" : dot == Dot::off ? "\u00B7" : " ";
        }
        out += theme ? "  \x1b[0m\n" : "\n";
    }
    return out;
}

} // namespace quillon
