#include "studio/window/board_change_text.h"

#include "names/city_display_names.h"
#include "scenes/city.h"

#include <QCoreApplication>

#include <map>

namespace quillon {

QString boardChangeText(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    // How many times each city is there now, less how many before: a city may be there twice.
    std::map<std::string, int> gained;
    for (const std::string& id : after)
        ++gained[id];
    for (const std::string& id : before)
        --gained[id];
    std::erase_if(gained, [](const auto& entry) { return entry.second == 0; });
    if (gained.size() != 1 || std::abs(gained.begin()->second) != 1)
        return {};
    const auto& [id, change] = *gained.begin();
    const std::optional<City> city = City::find(id);
    if (!city)
        return {};
    const QString name = cityName(*city);
    return change > 0
        //: Said to screen readers when a city joins the world board; %1 is the city
        ? QCoreApplication::translate("quillon::StudioWindow", "%1 added to the board").arg(name)
        //: Said to screen readers when a city leaves the world board; %1 is the city
        : QCoreApplication::translate("quillon::StudioWindow", "%1 removed from the board").arg(name);
}

} // namespace quillon
