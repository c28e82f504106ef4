// The eight colour themes of a display.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

enum class ThemeID { midnight, obsidian, paper, matcha, lemon, sky, amber, phosphor };

// In the order themes are offered for choice.
inline constexpr std::array<ThemeID, 8> kAllThemeIDs {
    ThemeID::midnight,
    ThemeID::obsidian,
    ThemeID::paper,
    ThemeID::matcha,
    ThemeID::lemon,
    ThemeID::sky,
    ThemeID::amber,
    ThemeID::phosphor,
};

// The stored form: the case name, such as "midnight".
std::string_view rawValue(ThemeID theme);
// Exact and case-sensitive: the display name "Sky" is no raw value.
std::optional<ThemeID> themeIDFromRawValue(std::string_view rawValue);

// An sRGB colour of 8-bit components with an opacity from 0 to 1.
struct DotColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    double opacity = 1.0;
    bool operator==(const DotColor&) const = default;
};

struct DotTheme {
    std::string name;
    DotColor background;
    DotColor lit;
    DotColor unlit;
    DotColor chrome;
    bool isDark = false;
    bool operator==(const DotTheme&) const = default;
};

// Every ThemeID has exactly one entry, so a lookup cannot fail.
class ThemeTable {
public:
    explicit ThemeTable(std::array<DotTheme, kAllThemeIDs.size()> themes)
        : m_themes(std::move(themes))
    {
    }
    const DotTheme& operator[](ThemeID theme) const { return m_themes[static_cast<std::size_t>(theme)]; }

private:
    std::array<DotTheme, kAllThemeIDs.size()> m_themes;
};

// Built once on first use, safe when that happens on several threads; read without locks after.
const ThemeTable& themeTable();

} // namespace quillon
