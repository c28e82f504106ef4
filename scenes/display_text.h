// How much text a display takes: titles and messages are cut at kMaxDisplayTextCharacters wherever
// they come from (the settings record, a widget's configuration, the command line), so that no
// source can make a display build or draw without bound. No display shows more than a few hundred
// characters legibly; the bound is far above that.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr std::size_t kMaxDisplayTextCharacters = 10000;

// The text's first `characters` code points, cut between code points, never inside one.
std::string firstCharacters(std::string_view text, std::size_t characters);

inline std::string limitedDisplayText(std::string_view text)
{
    return firstCharacters(text, kMaxDisplayTextCharacters);
}

} // namespace quillon
