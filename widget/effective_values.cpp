// Merging a widget's settings with the studio's.
#include "widget/effective_values.h"

namespace quillon {
namespace {

bool hasContent(const std::optional<std::string>& text)
{
    return text && text->find_first_not_of(" \t") != std::string::npos;
}

City cityOrLocal(const std::string& id, const City& local)
{
    if (id == City::kLocalID)
        return local;
    return City::find(id).value_or(local);
}

} // namespace

ThemeID effectiveTheme(const WidgetConfiguration& config, const StudioState& app)
{
    return config.theme.theme.value_or(app.theme);
}

std::vector<City> effectiveBoardCities(
    const WidgetConfiguration& config, const StudioState& app, const City& local)
{
    std::vector<City> cities;
    if (config.cities && !config.cities->empty()) {
        for (const std::string& id : *config.cities)
            cities.push_back(cityOrLocal(id, local));
        return cities;
    }
    for (const std::string& id : app.boardCities) {
        if (id == City::kLocalID)
            cities.push_back(local);
        else if (auto city = City::find(id))
            cities.push_back(std::move(*city));
    }
    return cities;
}

City effectiveClockCity(const WidgetConfiguration& config, const StudioState& app, const City& local)
{
    return cityOrLocal(config.city.value_or(app.clockCity), local);
}

ProgressPeriod effectivePeriod(const WidgetConfiguration& config, const StudioState& app)
{
    return config.period.period.value_or(app.period);
}

std::string effectiveCountdownTitle(const WidgetConfiguration& config, const StudioState& app)
{
    return hasContent(config.label) ? *config.label : app.countdownTitle;
}

Instant effectiveCountdownTarget(const WidgetConfiguration& config, const StudioState& app)
{
    return config.target.value_or(app.countdownDate);
}

std::string effectiveSignMessage(const WidgetConfiguration& config, const StudioState& app)
{
    return hasContent(config.message) ? *config.message : app.signText;
}

} // namespace quillon
