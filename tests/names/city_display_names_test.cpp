// Cities and countries in the catalogue's language, and found by those names.
#include "names/city_display_names.h"
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace quillon {
namespace {

const City& cityWithID(std::string_view id)
{
    return *std::find_if(
        City::all().begin(), City::all().end(), [&](const City& city) { return city.id == id; });
}

std::vector<std::string> idsFound(const QString& query)
{
    std::vector<std::string> ids;
    for (const City& city : searchCities(query, City::localIn("Europe/Vienna")))
        ids.push_back(city.id);
    return ids;
}

bool finds(const QString& query, std::string_view id)
{
    const std::vector<std::string> ids = idsFound(query);
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

class CityDisplayNames : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name};
        s_application = new QCoreApplication(argc, argv);
    }
    static void TearDownTestSuite()
    {
        delete s_application;
        s_application = nullptr;
    }
    // Each language's catalogue in turn, alone, as the studio installs one.
    void speak(const QString& language)
    {
        if (m_catalogue)
            QCoreApplication::removeTranslator(m_catalogue.get());
        m_catalogue = loadCatalogue({language}, testing::builtCatalogueFolders());
        ASSERT_TRUE(m_catalogue);
        QCoreApplication::installTranslator(m_catalogue.get());
        ASSERT_EQ(namesLanguage(), language);
    }
    void TearDown() override
    {
        if (m_catalogue)
            QCoreApplication::removeTranslator(m_catalogue.get());
    }

    static inline QCoreApplication* s_application = nullptr;
    std::unique_ptr<QTranslator> m_catalogue;
};

TEST_F(CityDisplayNames, NamesFollowTheCatalogueFromICUAndFromTheCatalogueItself)
{
    struct Case {
        const char* language;
        const char* city;
        const char* name;
        const char* country;
    };
    const Case cases[] = {
        {"de", "tokyo", "Tokio", "Japan"},
        {"de", "zurich", "Zürich", "Schweiz"},
        {"de", "beijing", "Peking", "China"},
        {"de", "dubai", "Dubai", "Vereinigte Arabische Emirate"},
        {"fr", "london", "Londres", "Royaume-Uni"},
        {"fr", "barcelona", "Barcelone", "Espagne"},
        {"es", "bogota", "Bogotá", "Colombia"},
        {"es", "rio", "Río de Janeiro", "Brasil"},
        {"ja", "tokyo", "東京", "日本"},
        {"ja", "san-francisco", "サンフランシスコ", "アメリカ合衆国"},
        {"en", "sao-paulo", "Sao Paulo", "Brazil"},
        {"en", "dubai", "Dubai", "UAE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " in " + c.language);
        speak(c.language);
        EXPECT_EQ(cityName(cityWithID(c.city)), QString::fromUtf8(c.name));
        EXPECT_EQ(countryName(cityWithID(c.city)), QString::fromUtf8(c.country));
    }
}

TEST_F(CityDisplayNames, TheMachinesOwnCityIsNamedInTheLanguageAndSoIsItsFallback)
{
    speak("de");
    EXPECT_EQ(cityName(City::localIn("Europe/Vienna")), QString("Wien"));
    EXPECT_EQ(cityName(City::localIn("")), QString("Ortszeit"));
    speak("en");
    EXPECT_EQ(cityName(City::localIn("Europe/Vienna")), QString("Vienna"));
    EXPECT_EQ(cityName(City::localIn("")), QString("Local"));
}

TEST_F(CityDisplayNames, ACityIsFoundByItsNameOrCountryInTheLanguageOrInEnglish)
{
    speak("de");
    EXPECT_TRUE(finds("Tokio", "tokyo"));
    EXPECT_TRUE(finds("tokyo", "tokyo"));
    EXPECT_TRUE(finds("Zürich", "zurich"));
    EXPECT_TRUE(finds("Mexiko", "mexico-city"));
    EXPECT_TRUE(finds("Vereinigtes", "london"));
    EXPECT_TRUE(finds("United Kingdom", "london"));
    EXPECT_TRUE(finds("Wien", "local"));
    speak("ja");
    EXPECT_TRUE(finds("東京", "tokyo"));
    EXPECT_TRUE(finds("ロンドン", "london"));
    EXPECT_TRUE(finds("日本", "tokyo"));
    EXPECT_FALSE(finds("東京", "london"));
    speak("es");
    EXPECT_TRUE(finds("Londres", "london"));
    EXPECT_TRUE(finds("Pekín", "beijing"));
}

} // namespace
} // namespace quillon
