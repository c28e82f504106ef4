// Counting brackets outside strings.
#include "platform/json/json_depth.h"

namespace quillon {

bool jsonNestedDeeperThan(std::string_view text, int maxDepth)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (char character : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (character == '\\')
                escaped = true;
            else if (character == '"')
                inString = false;
        } else if (character == '"') {
            inString = true;
        } else if (character == '[' || character == '{') {
            if (++depth > maxDepth)
                return true;
        } else if (character == ']' || character == '}') {
            --depth;
        }
    }
    return false;
}

} // namespace quillon
