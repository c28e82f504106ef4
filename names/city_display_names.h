// Cities and their countries as people read them in lists, pickers and editors, in the user's
// language ("Tokio — Japan" in German, "東京 — 日本" in Japanese), and found by those names as well
// as by the English ones. The dots keep the catalogue's English names.
#pragma once

#include "scenes/city.h"

#include <QString>

#include <vector>

namespace quillon {

// ICU's name where the city's zone is named after it; for the thirteen that keep another city's
// time, the catalogue's own translation; the English name in English.
QString cityName(const City& city);
// The country under a city's name; the computer's own city says so.
QString countryName(const City& city);

// City::search, finding a city also by its own and its country's name in the user's language.
std::vector<City> searchCities(const QString& query);
std::vector<City> searchCities(const QString& query, const City& localCity);

// The language of the names: that of the installed catalogue ("de", "ja"), "en" without one.
QString namesLanguage();

} // namespace quillon
