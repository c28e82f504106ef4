// The theme table and the raw values of theme identifiers.
#include "core/dot_theme.h"

#include "core/raw_value.h"

namespace quillon {
namespace {

constexpr std::array<std::string_view, kAllThemeIDs.size()> kRawValues {
    "midnight",
    "obsidian",
    "paper",
    "matcha",
    "lemon",
    "sky",
    "amber",
    "phosphor",
};

constexpr DotColor rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue, double opacity = 1.0)
{
    return {red, green, blue, opacity};
}

constexpr DotColor kWhite = rgb(255, 255, 255);
constexpr DotColor kBlack = rgb(0, 0, 0);

constexpr DotColor withOpacity(DotColor colour, double opacity)
{
    colour.opacity = opacity;
    return colour;
}

// An unlit dot is a faint ghost of a lit one: the lit hue (black for paper) at low opacity.
DotTheme makeTheme(
    std::string name, DotColor background, DotColor lit, DotColor unlit, DotColor chrome, bool isDark)
{
    return {std::move(name), background, lit, unlit, chrome, isDark};
}

ThemeTable buildThemeTable()
{
    const DotColor matcha = rgb(36, 54, 26);
    const DotColor lemon = rgb(45, 42, 18);
    const DotColor sky = rgb(20, 40, 74);
    const DotColor amber = rgb(255, 178, 56);
    const DotColor phosphor = rgb(82, 242, 138);
    return ThemeTable({
        makeTheme("Midnight", rgb(27, 27, 27), kWhite, withOpacity(kWhite, 0.13), kWhite, true),
        makeTheme("Obsidian", rgb(0, 0, 0), kWhite, withOpacity(kWhite, 0.18), kWhite, true),
        makeTheme("Paper", rgb(234, 234, 234), rgb(17, 17, 17), withOpacity(kBlack, 0.08), kBlack, false),
        makeTheme("Matcha", rgb(221, 231, 207), matcha, withOpacity(matcha, 0.1), matcha, false),
        makeTheme("Lemon", rgb(246, 240, 180), lemon, withOpacity(lemon, 0.09), lemon, false),
        makeTheme("Sky", rgb(207, 221, 242), sky, withOpacity(sky, 0.1), sky, false),
        makeTheme("Amber", rgb(14, 11, 7), amber, withOpacity(amber, 0.12), amber, true),
        makeTheme("Phosphor", rgb(5, 13, 7), phosphor, withOpacity(phosphor, 0.11), phosphor, true),
    });
}

} // namespace

std::string_view rawValue(ThemeID theme)
{
    return kRawValues[static_cast<std::size_t>(theme)];
}

std::optional<ThemeID> themeIDFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllThemeIDs), raw);
}

const ThemeTable& themeTable()
{
    static const ThemeTable table = buildThemeTable();
    return table;
}

} // namespace quillon
