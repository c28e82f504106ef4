// Defaults, JSON coding and the widget signature of the settings record.
#include "state/studio_state.h"

#include "scenes/display_text.h"

#include "platform/json/json_depth.h"
#include "state/json_members.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace quillon {
namespace {

using Json = nlohmann::ordered_json;

// nlohmann's parser recurses once per level; a field's value is at most one level deep, so anything
// much deeper is not one of ours, and refusing it keeps a hostile file from exhausting the stack.
constexpr int kMaxNesting = 64;

std::string boundedText(const std::string& text)
{
    return firstCharacters(text, kMaxRecordTextCharacters);
}

// The record's members by key, each value parsed only when a field asks for it, so that one value
// the parser refuses costs that field alone, and unknown keys cost no parsing at all.
class RecordMembers {
public:
    explicit RecordMembers(const std::vector<JsonMember>& members)
    {
        // A later duplicate wins, as it does when nlohmann reads a whole object.
        for (const JsonMember& member : members) {
            if (auto key = keyText(member.key))
                m_values[std::move(*key)] = member.value;
        }
    }

    // Nothing when the key is missing or its value is not JSON that nlohmann takes: a number beyond
    // the range of a double, a lone surrogate, bytes that are not UTF-8, nesting deeper than ours.
    std::optional<Json> value(std::string_view key) const
    {
        const auto found = m_values.find(key);
        if (found == m_values.end() || jsonNestedDeeperThan(found->second, kMaxNesting))
            return std::nullopt;
        Json parsed = Json::parse(found->second.begin(), found->second.end(), nullptr, false);
        if (parsed.is_discarded())
            return std::nullopt;
        return parsed;
    }

private:
    // Keys without escapes are their own text; only the rare escaped one needs the parser.
    static std::optional<std::string> keyText(std::string_view quoted)
    {
        if (quoted.find('\\') == std::string_view::npos)
            return std::string(quoted.substr(1, quoted.size() - 2));
        const Json parsed = Json::parse(quoted.begin(), quoted.end(), nullptr, false);
        if (!parsed.is_string())
            return std::nullopt;
        return parsed.get<std::string>();
    }

    std::map<std::string, std::string_view, std::less<>> m_values;
};

template <typename Enum>
std::optional<Enum> rawField(
    const RecordMembers& record, const char* key, std::optional<Enum> (*parse)(std::string_view))
{
    const auto found = record.value(key);
    if (!found || !found->is_string())
        return std::nullopt;
    return parse(found->get_ref<const std::string&>());
}

std::optional<std::string> stringField(const RecordMembers& record, const char* key)
{
    const auto found = record.value(key);
    if (!found || !found->is_string())
        return std::nullopt;
    return boundedText(found->get<std::string>());
}

std::optional<std::vector<std::string>> stringsField(const RecordMembers& record, const char* key)
{
    const auto found = record.value(key);
    if (!found || !found->is_array())
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
std::map<DotWidgetKind, DotSize> sizesField(const RecordMembers& record)
{
    const auto strings = stringsField(record, "sizes");
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

std::optional<std::vector<std::string>> boardCitiesField(const RecordMembers& record)
{
    auto cities = stringsField(record, "boardCities");
    if (!cities)
        return std::nullopt;
    if (cities->size() > kMaxBoardCities)
        cities->resize(kMaxBoardCities);
    for (std::string& id : *cities)
        id = boundedText(id);
    return cities;
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
    const auto supports = [&](DotSize size) {
        return std::find(supported.begin(), supported.end(), size) != supported.end();
    };
    const auto stored = state.sizes.find(kind);
    const DotSize candidate = stored != state.sizes.end() ? stored->second
        : supports(DotSize::medium)                       ? DotSize::medium
                                                          : supported.front();
    return supports(candidate) ? candidate : supported.front();
}

std::string encodeJSON(const StudioState& state)
{
    // JSON has no NaN or infinity; writing null instead would lose the date without a word.
    if (!std::isfinite(state.countdownDate.secondsSinceReferenceDate))
        return {};
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
        {"countdownDate", state.countdownDate.secondsSinceReferenceDate},
        {"signText", state.signText},
    };
    // Text that is not UTF-8 makes dump throw. Replacing it would save a record other than the one
    // asked for, so the record is not written at all.
    try {
        return record.dump();
    } catch (const Json::exception&) {
        return {};
    }
}

std::optional<StudioState> decodeStudioState(std::string_view text, Instant now, const Calendar& calendar)
{
    const auto members = jsonObjectMembers(text);
    if (!members)
        return std::nullopt;
    const RecordMembers record(*members);

    StudioState state = StudioState::makeDefault(now, calendar);
    state.kind = rawField(record, "kind", widgetKindFromRawValue).value_or(state.kind);
    state.sizes = sizesField(record);
    state.theme = rawField(record, "theme", themeIDFromRawValue).value_or(state.theme);
    if (const auto found = record.value("use24h"); found && found->is_boolean())
        state.use24h = found->get<bool>();
    state.boardCities = boardCitiesField(record).value_or(state.boardCities);
    state.clockCity = stringField(record, "clockCity").value_or(state.clockCity);
    state.period = rawField(record, "period", progressPeriodFromRawValue).value_or(state.period);
    state.countdownTitle = stringField(record, "countdownTitle").value_or(state.countdownTitle);
    // The parser refuses numbers beyond a double's range, so a date that reaches here is finite.
    if (const auto found = record.value("countdownDate"); found && found->is_number())
        state.countdownDate = Instant {found->get<double>()};
    state.signText = stringField(record, "signText").value_or(state.signText);
    return state;
}

std::vector<std::string> widgetSignature(const StudioState& state)
{
    // Every id is closed by a comma, and commas and backslashes within ids are escaped, so no two
    // lists give the same text: not an empty first id, not an empty list.
    std::string cities;
    for (const std::string& id : state.boardCities) {
        for (const char character : id) {
            if (character == ',' || character == '\\')
                cities += '\\';
            cities += character;
        }
        cities += ',';
    }
    char date[40];
    std::snprintf(date, sizeof date, "%.17g", state.countdownDate.secondsSinceReferenceDate);
    return {std::string(rawValue(state.theme)), state.use24h ? "true" : "false", std::move(cities),
        state.clockCity, std::string(rawValue(state.period)), state.countdownTitle, date, state.signText};
}

} // namespace quillon
