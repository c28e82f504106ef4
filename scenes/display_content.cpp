// Building any display from its content.
#include "scenes/display_content.h"

#include "scenes/city.h"
#include "scenes/scene_builders.h"

namespace quillon {
namespace {

// The machine's own city, named after the calendar's zone rather than read from the environment.
std::optional<City> resolveCity(const std::string& id, const Calendar& calendar)
{
    if (id == City::kLocalID)
        return City::localIn(calendar.timeZone().identifier());
    return City::find(id);
}

} // namespace

Instant startOfNextYear(Instant now, const Calendar& calendar)
{
    return calendar.instantAt({calendar.components(now).year + 1, 1, 1}, 0, 0, 0);
}

DisplayContent DisplayContent::defaults(Instant now, const Calendar& calendar)
{
    DisplayContent content;
    content.boardCityIDs.assign(kDefaultBoardCityIDs.begin(), kDefaultBoardCityIDs.end());
    content.countdownDate = startOfNextYear(now, calendar);
    return content;
}

DotScene sceneForKind(
    DotWidgetKind kind, DotSize size, const DisplayContent& content, Instant now, const Calendar& calendar)
{
    switch (kind) {
    case DotWidgetKind::worldBoard: {
        std::vector<City> cities;
        for (const std::string& id : content.boardCityIDs) {
            if (auto city = resolveCity(id, calendar))
                cities.push_back(std::move(*city));
        }
        return boardScene(cities, content.use24h, now, size, calendar);
    }
    case DotWidgetKind::clock: {
        const City city = resolveCity(content.clockCityID, calendar)
                              .value_or(City::localIn(calendar.timeZone().identifier()));
        return clockScene(city, content.use24h, now, size, calendar);
    }
    case DotWidgetKind::day:
        return dayScene(now, size, calendar);
    case DotWidgetKind::progress:
        return progressScene(content.period, now, size, calendar);
    case DotWidgetKind::countdown:
        return countdownScene(content.countdownTitle, content.countdownDate, now, size, calendar);
    case DotWidgetKind::sign:
        return signScene(content.signText, size);
    }
    return signScene(content.signText, size);
}

} // namespace quillon
