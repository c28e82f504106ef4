// Reading the user's locale from the environment.
#include "platform/text/user_locale.h"

#include <cstdlib>

namespace quillon::text {
namespace {

constexpr std::string_view kPosixLocale = "en_US_POSIX";
constexpr std::size_t kMaxLocaleNameLength = 128;

bool isLocaleNameCharacter(char character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z')
        || (character >= '0' && character <= '9') || character == '_' || character == '-';
}

} // namespace

std::string icuLocaleIdentifier(std::string_view posixLocaleName)
{
    std::string_view name = posixLocaleName.substr(0, posixLocaleName.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX" || name.size() > kMaxLocaleNameLength)
        return std::string(kPosixLocale);
    for (char character : name) {
        if (!isLocaleNameCharacter(character))
            return std::string(kPosixLocale);
    }
    return std::string(name);
}

std::string userLocaleIdentifier(std::string_view categoryVariable)
{
    const std::string category(categoryVariable);
    for (const char* variable : {"LC_ALL", category.c_str(), "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return icuLocaleIdentifier(value);
    }
    return std::string(kPosixLocale);
}

} // namespace quillon::text
