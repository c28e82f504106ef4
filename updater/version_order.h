// Ordering version strings the way update feeds do: "1.10" is newer than "1.9", "1.0.1" than
// "1.0", and a pre-release such as "1.0b2" or "1.0rc1" comes before its release "1.0".
#pragma once

#include <string_view>

namespace quillon {

// Negative when `a` is older than `b`, zero when they are the same version, positive when newer.
int compareVersions(std::string_view a, std::string_view b);

} // namespace quillon
