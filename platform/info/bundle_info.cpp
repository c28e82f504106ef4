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

std::string versionLine(std::string_view program, const BundleInfo& info)
{
    return std::string(program) + " " + info.value(kBundleShortVersionKey).value_or("?") + " (build "
        + info.value(kBundleVersionKey).value_or("?") + ")";
}

} // namespace quillon
