// Reading the user's locale from POSIX locale variables.
#include "platform/text/user_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quillon::text {
namespace {

TEST(UserLocale, TranslatesPosixNamesToIcuIdentifiers)
{
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "de_DE"},
        {"sr_RS@latin", "sr_RS"},
        {"C", "en_US_POSIX"},
        {"C.UTF-8", "en_US_POSIX"},
        {"POSIX", "en_US_POSIX"},
        {"", "en_US_POSIX"},
        {"../../etc/passwd", "en_US_POSIX"},
    };
    for (const auto& [posix, expected] : cases) {
        SCOPED_TRACE(posix);
        EXPECT_EQ(icuLocaleIdentifier(posix), expected);
    }
}

// Sets locale variables for the length of a test and puts the old values back.
class LocaleEnvironment {
public:
    LocaleEnvironment(
        std::optional<std::string> all, std::optional<std::string> time, std::optional<std::string> lang)
    {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        set("LC_ALL", all);
        set("LC_TIME", time);
        set("LANG", lang);
    }
    ~LocaleEnvironment()
    {
        for (const auto& [name, value] : m_saved)
            set(name, value);
    }

private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_TIME", "LANG"};
    static void set(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

TEST(UserLocale, TakesLcAllThenTheCategoryThenLang)
{
    {
        LocaleEnvironment environment("fr_FR.UTF-8", "de_DE.UTF-8", "en_GB.UTF-8");
        EXPECT_EQ(userLocaleIdentifier("LC_TIME"), "fr_FR");
    }
    {
        LocaleEnvironment environment("", "de_DE.UTF-8", "en_GB.UTF-8");
        EXPECT_EQ(userLocaleIdentifier("LC_TIME"), "de_DE");
        EXPECT_EQ(userLocaleIdentifier("LC_COLLATE"), "en_GB");
    }
    {
        LocaleEnvironment environment(std::nullopt, std::nullopt, std::nullopt);
        EXPECT_EQ(userLocaleIdentifier("LC_TIME"), "en_US_POSIX");
    }
}

} // namespace
} // namespace quillon::text
