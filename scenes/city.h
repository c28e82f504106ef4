// The catalogue of cities shown on the world board and the clock.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct City {
    std::string id; // stable, stored in settings: lower-case words joined by "-"
    std::string name; // as shown on the board and the clock
    std::string country; // shown beside the name in pickers, and searched
    std::string timeZoneID; // IANA identifier of the city's local time
    std::string countryCode; // ISO 3166 region code, for the country's name in other languages

    bool operator==(const City&) const = default;

    static constexpr std::string_view kLocalID = "local";
    static constexpr std::string_view kLocalCountry = "This Computer";

    // The 68 cities in their fixed order; built once, safe under concurrent first use.
    static const std::vector<City>& all();

    // The machine itself: named after the last part of its zone identifier ("America/Los_Angeles"
    // gives "Los Angeles"), after the standard time of a POSIX rule in its place ("CET-1CEST,…"
    // gives "CET"), or "Local" when it has neither.
    static City local();
    static City localIn(std::string_view zoneIdentifier);

    // "local" gives the local city; any other id must match a catalogue id exactly.
    static std::optional<City> find(std::string_view id);

    // The local city and the catalogue, in that order, whose name or country, or one of the names
    // `otherNames` gives (the city's and its country's in the user's language), contains the query
    // (trimmed of horizontal white space) case-insensitively under the user's locale; accents
    // count. A blank query gives all 69.
    using OtherNames = std::function<std::vector<std::string>(const City&)>;
    static std::vector<City> search(std::string_view query, const OtherNames& otherNames = {});
    static std::vector<City> search(std::string_view query, const City& localCity,
        std::string_view localeIdentifier, const OtherNames& otherNames = {});
};

// The board's cities when none have been chosen.
inline constexpr std::array<std::string_view, 5> kDefaultBoardCityIDs {
    "los-angeles", "new-york", "london", "dubai", "tokyo"};

} // namespace quillon
