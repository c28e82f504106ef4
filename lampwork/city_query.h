// Cities as the widget settings offer them: entities with an id, a title and a subtitle.
#pragma once

#include "scenes/city.h"
#include "widget_plugin/widget_plugin.h"

#include <string>
#include <vector>

namespace quillon {

widgethost::Entity cityEntity(const City& city);

// The local city is the one given, so that tests and hosts can fix the machine's zone.
std::vector<widgethost::Entity> cityEntities(const std::vector<std::string>& ids, const City& local);
std::vector<widgethost::Entity> matchingCityEntities(const std::string& text, const City& local);
std::vector<widgethost::Entity> suggestedCityEntities(const City& local);

} // namespace quillon
