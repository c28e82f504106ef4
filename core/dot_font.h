// The 5 x 7 dot font and the normalisation every displayed text goes through.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon {

// Seven rows, top first; bit 4 of a row is its leftmost dot, bit 0 its rightmost.
using DotGlyph = std::array<std::uint8_t, 7>;

class DotFont {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;

    // The glyph of a character; characters the font lacks get the blank space glyph.
    static const DotGlyph& glyph(char32_t character);
    static bool hasGlyph(char32_t character);

    // The display form of a text: folded (case and accents), upper-cased, and walked by
    // user-perceived characters, each one kept when the font has it and replaced by one space
    // otherwise. Every character of the result is a font key, so its length is the width of the
    // text in cells.
    static std::u32string normalize(std::string_view text);
};

} // namespace quillon
