// Table lookups of information records.
#include "platform/info/bundle_info.h"

namespace quillon {

std::optional<std::string> StaticBundleInfo::value(std::string_view key) const
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return std::nullopt;
    return found->second;
}

} // namespace quillon
