// Reading the user's locale from POSIX locale variables.
#include "platform/text/user_locale.h"

#include "tests/support/scoped_environment.h"

#include <gtest/gtest.h>

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

// LC_ALL, LC_TIME and LANG for the length of a test; std::nullopt leaves a variable unset.
class LocaleEnvironment {
public:
    LocaleEnvironment(const std::optional<std::string>& all, const std::optional<std::string>& time,
        const std::optional<std::string>& lang)
        : m_all("LC_ALL", all)
        , m_time("LC_TIME", time)
        , m_lang("LANG", lang)
    {
    }

private:
    testing::ScopedEnvironmentVariable m_all;
    testing::ScopedEnvironmentVariable m_time;
    testing::ScopedEnvironmentVariable m_lang;
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
