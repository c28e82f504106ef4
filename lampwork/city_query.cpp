// Entity lookups over the city catalogue.
#include "lampwork/city_query.h"

#include "names/city_display_names.h"

namespace quillon {
namespace {

std::vector<widgethost::Entity> entitiesOf(const std::vector<City>& cities)
{
    std::vector<widgethost::Entity> entities;
    entities.reserve(cities.size());
    for (const City& city : cities)
        entities.push_back(cityEntity(city));
    return entities;
}

} // namespace

widgethost::Entity cityEntity(const City& city)
{
    // The local city has no country: its subtitle names this computer instead, in the user's language.
    return {city.id, cityName(city).toStdString(), countryName(city).toStdString()};
}

std::vector<widgethost::Entity> cityEntities(const std::vector<std::string>& ids, const City& local)
{
    std::vector<widgethost::Entity> entities;
    for (const std::string& id : ids) {
        if (id == City::kLocalID)
            entities.push_back(cityEntity(local));
        else if (auto city = City::find(id))
            entities.push_back(cityEntity(*city));
    }
    return entities;
}

std::vector<widgethost::Entity> matchingCityEntities(const std::string& text, const City& local)
{
    return entitiesOf(searchCities(QString::fromStdString(text), local));
}

std::vector<widgethost::Entity> suggestedCityEntities(const City& local)
{
    return matchingCityEntities("", local);
}

} // namespace quillon
