// Walking text by user-perceived characters (extended grapheme clusters).
#pragma once

#include <functional>
#include <string_view>

namespace quillon::text {

// Calls `visit` once per user-perceived character, in order: "e" followed by a combining accent
// is one character, and so is a flag or a family emoji joined with zero-width joiners.
// Safe to call from several threads at once.
void forEachGraphemeCluster(
    std::u16string_view text, const std::function<void(std::u16string_view cluster)>& visit);

} // namespace quillon::text
