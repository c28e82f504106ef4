// Merging a widget's settings with the studio's.
#include "lampwork/effective_values.h"

#include "scenes/city.h"

namespace quillon {
namespace {

bool hasContent(const std::optional<std::string>& text)
{
    return text && text->find_first_not_of(" \t") != std::string::npos;
}

std::string knownCityOrLocal(const std::string& id)
{
    return id == City::kLocalID || City::find(id) ? id : std::string(City::kLocalID);
}

} // namespace

DisplayContent effectiveContent(const WidgetConfiguration& config, const StudioState& app)
{
    DisplayContent content = app.content();
    if (config.cities && !config.cities->empty()) {
        content.boardCityIDs.clear();
        for (const std::string& id : *config.cities)
            content.boardCityIDs.push_back(knownCityOrLocal(id));
    }
    content.clockCityID = knownCityOrLocal(config.city.value_or(app.clockCity));
    content.period = config.period.period.value_or(app.period);
    if (hasContent(config.label))
        content.countdownTitle = *config.label;
    content.countdownDate = config.target.value_or(app.countdownDate);
    if (hasContent(config.message))
        content.signText = *config.message;
    return content;
}

ThemeID effectiveTheme(const WidgetConfiguration& config, const StudioState& app)
{
    return config.theme.theme.value_or(app.theme);
}

} // namespace quillon
