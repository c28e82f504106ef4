// The names of a city and of its country in another language, from ICU's locale data. The dots
// keep the catalogue's English names; these are for lists, pickers and searching.
#pragma once

#include "scenes/city.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The city's name in the locale ("de_CH", "ja") where ICU names it: a city its zone is named after
// ("Europe/Zurich": "Zürich" in German), and the machine's own city. Nothing for a city that keeps
// another city's time (San Francisco, in Los Angeles' zone), which needs a translation of its own,
// nor for a zone ICU does not know.
std::optional<std::string> zoneCityName(const City& city, std::string_view localeIdentifier);

// The name of the city's country in the locale ("Vereinigtes Königreich"); nothing for a city
// without a country code, or a code ICU has no name for.
std::optional<std::string> countryName(const City& city, std::string_view localeIdentifier);

} // namespace quillon
