// Which catalogue the user's environment picks, and the English one where none fits.
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quillon {
namespace {

TEST(UserLanguages, FollowLanguageThenTheFirstOfLcAllLcMessagesAndLang)
{
    struct Row {
        std::map<std::string, QString> environment;
        QStringList expected;
    };
    const Row rows[] = {
        {{{"LANGUAGE", "fr:de"}, {"LANG", "es_ES.UTF-8"}}, {"fr", "de", "es_ES"}},
        {{{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "fr_FR"}}, {"ja_JP"}},
        {{{"LC_MESSAGES", "de_AT.ISO-8859-15@euro"}, {"LANG", "fr_FR"}}, {"de_AT"}},
        {{{"LANG", "C.UTF-8"}}, {"en"}},
        {{{"LANGUAGE", "::"}}, {}},
    };
    for (const Row& row : rows) {
        const auto variable = [&](const char* name) {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(userLanguages(variable), row.expected) << row.expected.join(',').toStdString();
    }
}

TEST(InstallTranslations, TakesTheFirstLanguageWithACatalogueByTerritoryOrLanguageElseEnglish)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    const QCoreApplication application(argc, argv);
    struct Row {
        QStringList languages;
        QString expected;
    };
    const Row rows[] = {
        {{"it_IT", "de_AT"}, "de"},
        {{"ja_JP"}, "ja"},
        {{"it_IT"}, "en"},
        {{}, "en"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(installTranslations(row.languages, testing::builtCatalogueFolders()), row.expected)
            << row.languages.join(',').toStdString();
    EXPECT_EQ(installTranslations({"de"}, {"/nonexistent"}), QString());
}

} // namespace
} // namespace quillon
