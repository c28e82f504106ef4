// What a change of the world board's cities is, in words for a screen reader to say as it happens:
// the keyboard stays where it was (on Add City, on the next row), and the board shows the change.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace quillon {

// "Tokyo added to the board", "Tokyo removed from the board", in the user's language; empty when
// the same cities are there, perhaps in another order, or several came or went at once.
QString boardChangeText(const std::vector<std::string>& before, const std::vector<std::string>& after);

} // namespace quillon
