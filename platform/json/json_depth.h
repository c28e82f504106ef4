// A guard for JSON from outside: nlohmann's parser recurses once per level of nesting, so text
// nested deeper than any record of ours is refused before it reaches the parser.
#pragma once

#include <string_view>

namespace quillon {

bool jsonNestedDeeperThan(std::string_view text, int maxDepth);

} // namespace quillon
