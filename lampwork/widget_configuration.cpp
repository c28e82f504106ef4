// Decoding the host's stored parameters, and the declarations of the configuration types.
#include "lampwork/widget_configuration.h"

#include "names/display_names.h"
#include "names/dot_text_notes.h"
#include "platform/calendar/civil_date.h"
#include "platform/json/json_depth.h"
#include "platform/text/utf.h"

#include <QCoreApplication>

#include <nlohmann/json.hpp>

#include <cmath>

namespace quillon {
namespace {

using Json = nlohmann::json;
using widgethost::ChoiceOption;
using widgethost::ConfigurationParameter;
using widgethost::ParameterType;

constexpr int kMaxNesting = 32;

// A name as the studio shows it, for the host, which takes UTF-8.
template <typename Named> std::string nameOf(Named named)
{
    return displayName(named).toStdString();
}

// The choice that follows the studio's setting.
ChoiceOption sameAsApp()
{
    return {"app", QCoreApplication::translate("quillon::WidgetConfiguration", "Same as App").toStdString()};
}

// Seconds since 2001 of the first instant of year 1 and of year 10000.
const double kEarliestDate
    = static_cast<double>(daysFromCivil({1, 1, 1}) * 86400) - Instant::kUnixSecondsAtReferenceDate;
const double kLatestDate
    = static_cast<double>(daysFromCivil({10000, 1, 1}) * 86400) - Instant::kUnixSecondsAtReferenceDate;

// A text cut at the limit, counted in characters, never in the middle of one.
std::string boundedText(const std::string& text)
{
    const std::u32string characters = text::utf32FromUtf8(text);
    if (characters.size() <= kMaxConfigurationText)
        return text;
    return text::utf8FromUtf32(std::u32string_view(characters).substr(0, kMaxConfigurationText));
}

std::optional<std::string> textField(const Json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return boundedText(found->get<std::string>());
}

std::vector<ChoiceOption> themeChoices()
{
    std::vector<ChoiceOption> choices {sameAsApp()};
    for (ThemeID theme : kAllThemeIDs)
        choices.push_back({std::string(rawValue(theme)), nameOf(theme)});
    return choices;
}

std::vector<ChoiceOption> periodChoices()
{
    std::vector<ChoiceOption> choices {sameAsApp()};
    for (ProgressPeriod period : kAllProgressPeriods)
        choices.push_back({std::string(rawValue(period)), nameOf(period)});
    return choices;
}

ConfigurationParameter themeParameter()
{
    return {"theme", QCoreApplication::translate("quillon::WidgetConfiguration", "Theme").toStdString(),
        std::nullopt, ParameterType::choice, "Theme", "\"app\"", themeChoices(), {}};
}

// The title and description come translated.
ConfigurationParameter optionalParameter(const char* key, const QString& title, const QString& description,
    ParameterType type, const char* typeName)
{
    const bool entity = type == ParameterType::entity || type == ParameterType::entityList;
    return {key, title.toStdString(), description.toStdString(), type, typeName, "null", {},
        entity ? "City" : ""};
}

} // namespace

WidgetConfiguration decodeWidgetConfiguration(std::string_view text)
{
    WidgetConfiguration configuration;
    if (jsonNestedDeeperThan(text, kMaxNesting))
        return configuration;
    const Json object = Json::parse(text.begin(), text.end(), nullptr, false);
    if (!object.is_object())
        return configuration;

    if (const auto theme = textField(object, "theme"))
        configuration.theme.theme = themeIDFromRawValue(*theme);
    if (const auto period = textField(object, "period"))
        configuration.period.period = progressPeriodFromRawValue(*period);
    if (const auto found = object.find("cities"); found != object.end() && found->is_array()) {
        std::vector<std::string> ids;
        for (const Json& id : *found) {
            if (!id.is_string()) {
                ids.clear();
                break;
            }
            ids.push_back(boundedText(id.get<std::string>()));
        }
        if (!ids.empty() || found->empty())
            configuration.cities = std::move(ids);
    }
    configuration.city = textField(object, "city");
    configuration.label = textField(object, "label");
    configuration.message = textField(object, "message");
    if (const auto found = object.find("target"); found != object.end() && found->is_number()) {
        const double seconds = found->get<double>();
        if (std::isfinite(seconds) && seconds >= kEarliestDate && seconds < kLatestDate)
            configuration.target = Instant {seconds};
    }
    return configuration;
}

std::string encodeWidgetConfiguration(const WidgetConfiguration& configuration)
{
    Json object = Json::object();
    object["theme"] = configuration.theme.theme ? std::string(rawValue(*configuration.theme.theme)) : "app";
    object["period"]
        = configuration.period.period ? std::string(rawValue(*configuration.period.period)) : "app";
    if (configuration.cities)
        object["cities"] = *configuration.cities;
    if (configuration.city)
        object["city"] = *configuration.city;
    if (configuration.label)
        object["label"] = *configuration.label;
    if (configuration.target)
        object["target"] = configuration.target->secondsSinceReferenceDate;
    if (configuration.message)
        object["message"] = *configuration.message;
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

widgethost::ConfigurationType configurationType(IntentType type)
{
    // Each editor's title is its widget's name, as the studio lists it.
    switch (type) {
    case IntentType::board:
        return {"BoardIntent", nameOf(DotWidgetKind::worldBoard),
            {themeParameter(),
                optionalParameter("cities",
                    QCoreApplication::translate("quillon::WidgetConfiguration", "Cities"),
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Leave empty to use the app's cities."),
                    ParameterType::entityList, "City")}};
    case IntentType::clock:
        return {"ClockIntent", nameOf(DotWidgetKind::clock),
            {themeParameter(),
                optionalParameter("city", QCoreApplication::translate("quillon::WidgetConfiguration", "City"),
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Leave empty to use the app's city."),
                    ParameterType::entity, "City")}};
    case IntentType::themeOnly:
        return {"ThemeOnlyIntent", nameOf(DotWidgetKind::day), {themeParameter()}};
    case IntentType::progress:
        return {"ProgressIntent", nameOf(DotWidgetKind::progress),
            {themeParameter(),
                {"period",
                    QCoreApplication::translate("quillon::WidgetConfiguration", "Period").toStdString(),
                    std::nullopt, ParameterType::choice, "Period", "\"app\"", periodChoices(), {}}}};
    case IntentType::countdown:
        return {"CountdownIntent", nameOf(DotWidgetKind::countdown),
            {themeParameter(),
                optionalParameter("label",
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Title", "what a countdown counts to"),
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Leave empty to use the app's title.")
                        + u'\n' + dotCharactersNote(),
                    ParameterType::text, "Text"),
                optionalParameter("target",
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Date", "when a countdown ends"),
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Leave empty to use the app's date."),
                    ParameterType::dateTime, "Date")}};
    case IntentType::sign:
        return {"SignIntent", nameOf(DotWidgetKind::sign),
            {themeParameter(),
                optionalParameter("message",
                    QCoreApplication::translate("quillon::WidgetConfiguration", "Message"),
                    QCoreApplication::translate(
                        "quillon::WidgetConfiguration", "Leave empty to use the app's message.")
                        + u'\n' + dotCharactersNote(),
                    ParameterType::text, "Text")}};
    }
    return {};
}

} // namespace quillon
