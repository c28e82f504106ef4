// The version line every program prints.
#include "platform/info/build_info.h"

namespace quillon {
namespace {

// A record made by hand (a test's) may leave a field out.
std::string orUnknown(const std::string& text)
{
    return text.empty() ? "?" : text;
}

} // namespace

std::string versionLine(std::string_view program, const BuildInfo& info)
{
    return std::string(program) + " " + orUnknown(info.version) + " (build " + orUnknown(info.build) + ")";
}

} // namespace quillon
