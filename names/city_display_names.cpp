// City names from ICU where it has them, and from the catalogue for the rest.
#include "names/city_display_names.h"

#include "platform/text/user_locale.h"
#include "scenes/city_names.h"

#include <QCoreApplication>

#include <array>

namespace quillon {
namespace {

constexpr const char* kContext = "quillon::CityNames";

struct OwnTranslation {
    const char* source;
    const char* comment;
};

// The cities whose zone is named after another city (or none of theirs): ICU has no name for them.
constexpr std::array<OwnTranslation, 13> kOwnTranslations {{
    QT_TRANSLATE_NOOP3("quillon::CityNames", "San Francisco", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Seattle", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Dallas", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Austin", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Miami", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Boston", "a city in the USA"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "San Juan", "the capital of Puerto Rico"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Rio de Janeiro", "a city in Brazil"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Barcelona", "a city in Spain"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Mumbai", "a city in India"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "New Delhi", "the capital of India"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Bangalore", "a city in India"),
    QT_TRANSLATE_NOOP3("quillon::CityNames", "Beijing", "the capital of China"),
}};

std::string localeOfNames()
{
    return namesLanguage().toStdString();
}

} // namespace

QString namesLanguage()
{
    // Each catalogue says which language it is in; without one the names stay English.
    //: The code of this catalogue's language, as ICU names languages ("de", "fr", "es", "ja"): the
    //: names of cities and countries are taken from ICU in that language.
    return QCoreApplication::translate("quillon::CityNames", "en", "language code");
}

QString cityName(const City& city)
{
    const std::string locale = localeOfNames();
    if (city.id == City::kLocalID && city.name == "Local")
        return QCoreApplication::translate(
            "quillon::CityNames", "Local", "the computer's own city, when its zone has no city");
    if (locale == "en")
        return QString::fromStdString(city.name);
    if (const std::optional<std::string> name = zoneCityName(city, locale))
        return QString::fromStdString(*name);
    for (const auto& own : kOwnTranslations) {
        if (city.name == own.source)
            return QCoreApplication::translate(kContext, own.source, own.comment);
    }
    return QString::fromStdString(city.name);
}

QString countryName(const City& city)
{
    if (city.country == City::kLocalCountry)
        return QCoreApplication::translate(
            "quillon::DisplayNames", "This Computer", "the country of the computer's own city");
    const std::string locale = localeOfNames();
    if (locale != "en") {
        if (const std::optional<std::string> name = quillon::countryName(city, locale))
            return QString::fromStdString(*name);
    }
    return QString::fromStdString(city.country);
}

std::vector<City> searchCities(const QString& query)
{
    return searchCities(query, City::local());
}

std::vector<City> searchCities(const QString& query, const City& localCity)
{
    return City::search(
        query.toStdString(), localCity, text::userLocaleIdentifier("LC_CTYPE"), [](const City& city) {
            return std::vector<std::string> {cityName(city).toStdString(), countryName(city).toStdString()};
        });
}

} // namespace quillon
