// Defaults, JSON coding and the widget signature of the settings record.
#include "state/studio_state.h"

#include "state/json_depth.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {
namespace {

using Json = nlohmann::ordered_json;

// nlohmann's parser recurses once per level; a record is two levels deep, so anything much deeper
// is not one, and refusing it keeps a hostile file from exhausting the stack.
constexpr int kMaxNesting = 64;

template<typename Enum>
std::optional<Enum> rawField(const Json& object, const char* key, std::optional<Enum> (*parse)(std::string_view))
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return parse(found->get_ref<const std::string&>());
}

std::optional<std::string> stringField(const Json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return found->get<std::string>();
}

std::optional<std::vector<std::string>> stringsField(const Json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_array())
        return std::nullopt;
    std::vector<std::string> strings;
    for (const Json& element : *found) {
        if (!element.is_string())
            return std::nullopt;
        strings.push_back(element.get<std::string>());
    }
    return strings;
}

// Pairs of kind and size; anything else about the array empties the whole map.
std::map<DotWidgetKind, DotSize> sizesField(const Json& object)
{
    const auto strings = stringsField(object, "sizes");
    if (!strings || strings->size() % 2 != 0)
        return {};
    std::map<DotWidgetKind, DotSize> sizes;
    for (std::size_t index = 0; index < strings->size(); index += 2) {
        const auto kind = widgetKindFromRawValue((*strings)[index]);
        const auto size = dotSizeFromRawValue((*strings)[index + 1]);
        if (!kind || !size)
            return {};
        sizes[*kind] = *size;
    }
    return sizes;
}

} // namespace

StudioState StudioState::makeDefault(Instant now, const Calendar& calendar)
{
    StudioState state;
    const DisplayContent content = DisplayContent::defaults(now, calendar);
    state.boardCities = content.boardCityIDs;
    state.countdownDate = content.countdownDate;
    return state;
}

DisplayContent StudioState::content() const
{
    return {boardCities, use24h, clockCity, period, countdownTitle, countdownDate, signText};
}

DotSize sizeForKind(const StudioState& state, DotWidgetKind kind)
{
    const auto supported = supportedSizes(kind);
    const auto supports = [&](DotSize size) { return std::find(supported.begin(), supported.end(), size) != supported.end(); };
    const auto stored = state.sizes.find(kind);
    const DotSize candidate = stored != state.sizes.end() ? stored->second
                              : supports(DotSize::medium) ? DotSize::medium
                                                          : supported.front();
    return supports(candidate) ? candidate : supported.front();
}

std::string encodeJSON(const StudioState& state)
{
    Json sizes = Json::array();
    for (const auto& [kind, size] : state.sizes) {
        sizes.push_back(rawValue(kind));
        sizes.push_back(rawValue(size));
    }
    const Json record = {
        {"kind", rawValue(state.kind)},
        {"sizes", std::move(sizes)},
        {"theme", rawValue(state.theme)},
        {"use24h", state.use24h},
        {"boardCities", state.boardCities},
        {"clockCity", state.clockCity},
        {"period", rawValue(state.period)},
        {"countdownTitle", state.countdownTitle},
        // JSON has no NaN or infinity; such a date is not kept.
        {"countdownDate", std::isfinite(state.countdownDate.secondsSinceReferenceDate)
                              ? Json(state.countdownDate.secondsSinceReferenceDate)
                              : Json(nullptr)},
        {"signText", state.signText},
    };
    // Text that is not valid UTF-8 is written with replacement characters instead of failing.
    return record.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<StudioState> decodeStudioState(std::string_view text, Instant now, const Calendar& calendar)
{
    if (jsonNestedDeeperThan(text, kMaxNesting))
        return std::nullopt;
    const Json record = Json::parse(text.begin(), text.end(), nullptr, false);
    if (!record.is_object())
        return std::nullopt;

    StudioState state = StudioState::makeDefault(now, calendar);
    state.kind = rawField(record, "kind", widgetKindFromRawValue).value_or(state.kind);
    state.sizes = sizesField(record);
    state.theme = rawField(record, "theme", themeIDFromRawValue).value_or(state.theme);
    if (const auto found = record.find("use24h"); found != record.end() && found->is_boolean())
        state.use24h = found->get<bool>();
    state.boardCities = stringsField(record, "boardCities").value_or(state.boardCities);
    state.clockCity = stringField(record, "clockCity").value_or(state.clockCity);
    state.period = rawField(record, "period", progressPeriodFromRawValue).value_or(state.period);
    state.countdownTitle = stringField(record, "countdownTitle").value_or(state.countdownTitle);
    if (const auto found = record.find("countdownDate"); found != record.end() && found->is_number())
        state.countdownDate = Instant{found->get<double>()};
    state.signText = stringField(record, "signText").value_or(state.signText);
    return state;
}

std::vector<std::string> widgetSignature(const StudioState& state)
{
    std::string cities;
    for (const std::string& id : state.boardCities) {
        if (!cities.empty())
            cities += ",";
        cities += id;
    }
    char date[40];
    std::snprintf(date, sizeof date, "%.17g", state.countdownDate.secondsSinceReferenceDate);
    return {std::string(rawValue(state.theme)),
            state.use24h ? "true" : "false",
            std::move(cities),
            state.clockCity,
            std::string(rawValue(state.period)),
            state.countdownTitle,
            date,
            state.signText};
}

} // namespace quillon
