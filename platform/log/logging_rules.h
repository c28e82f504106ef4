// Whether debug lines are asked for, read from QT_LOGGING_RULES as Qt reads it for its own
// categories, so that one variable turns on the debug lines of Qt and of Quillon alike.
#pragma once

#include <string_view>

namespace quillon {

// Rules are "category.debug=true" or "category=false", one per line or separated by ';'; a
// category may start or end with '*'; the last rule that matches wins. Debug lines are off unless
// a rule turns them on.
bool debugLinesRequested(std::string_view rules, std::string_view category);

} // namespace quillon
