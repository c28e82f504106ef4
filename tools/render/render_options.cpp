// Reading quillon-render's arguments, with an error that names what was wrong.
#include "tools/render/render_options.h"

#include "platform/calendar/iso8601.h"
#include "platform/command_line/command_line.h"
#include "platform/command_line/echoed_value.h"
#include "scenes/city.h"

namespace quillon {

const char* const kRenderUsage
    = "usage: quillon-render KIND [--size SIZE] [--theme THEME] [--at INSTANT] [--format png|json|text]\n"
      "                      [-o FILE] [--scale FACTOR] [--glow | --no-glow] [--defaults]\n"
      "                      [--cities ID,ID,...] [--clock-city ID] [--24h | --12h] [--period PERIOD]\n"
      "                      [--title TEXT] [--target INSTANT] [--message TEXT]\n"
      "       quillon-render --list-cities\n"
      "       quillon-render --version\n"
      "\n"
      "Draws one display as a desktop widget shows it, with the settings the studio saved (or, with\n"
      "--defaults, the default settings); the options override them.\n"
      "  KIND      worldBoard, clock, day, progress, countdown, sign\n"
      "  SIZE      small, medium, large, extraLarge (default: the studio's size for the kind)\n"
      "  THEME     midnight, obsidian, paper, matcha, lemon, sky, amber, phosphor\n"
      "  INSTANT   ISO 8601 with an offset or Z, such as 2026-12-05T14:30:00Z (default: now)\n"
      "  PERIOD    day, week, month, year\n"
      "  png       the display at its widget size in points times --scale (default 2), lit as on the\n"
      "            studio's card: glowing on dark themes; --no-glow draws it as a desktop widget\n"
      "  json      the scene the display is built from\n"
      "  text      the dots of each block: # lit, . unlit\n"
      "Output goes to FILE, or to standard output. The machine's zone comes from TZ, week numbers\n"
      "from LC_ALL, LC_TIME or LANG.\n";

namespace {

template <typename Enum, std::size_t Count> std::string choices(const std::array<Enum, Count>& all)
{
    std::string text;
    for (Enum value : all) {
        if (!text.empty())
            text += ", ";
        text += rawValue(value);
    }
    return text;
}

// `argument` is an option the tool knows, or KIND; `value` is whatever came with it.
UsageError invalid(const std::string& argument, const std::string& value, const std::string& accepted)
{
    return {invalidValueMessage(argument, value, accepted)};
}

constexpr std::size_t kMaxTextArgument = 64 * 1024;

constexpr CommandLineOption kOptions[] = {
    {"--help", CommandLineOption::standalone},
    {"-h", CommandLineOption::standalone},
    {"--version", CommandLineOption::standalone},
    {"--list-cities", CommandLineOption::standalone},
    {"--24h"},
    {"--12h"},
    {"--glow"},
    {"--no-glow"},
    {"--defaults"},
    {"--size", CommandLineOption::valued},
    {"--theme", CommandLineOption::valued},
    {"--at", CommandLineOption::valued},
    {"--format", CommandLineOption::valued},
    {"-o", CommandLineOption::valued},
    {"--output", CommandLineOption::valued},
    {"--scale", CommandLineOption::valued},
    {"--cities", CommandLineOption::valued},
    {"--clock-city", CommandLineOption::valued},
    {"--period", CommandLineOption::valued},
    {"--title", CommandLineOption::valued},
    {"--target", CommandLineOption::valued},
    {"--message", CommandLineOption::valued},
};

} // namespace

std::variant<RenderOptions, UsageError, HelpRequest, VersionRequest, CityListRequest> parseRenderOptions(
    const std::vector<std::string>& arguments)
{
    const auto parsed = parseCommandLine(arguments, kOptions, PlainArguments::accepted);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return UsageError {error->message() + ": see quillon-render --help"};

    RenderOptions options;
    bool haveKind = false;
    for (const auto& [argument, value] : std::get<CommandLine>(parsed).items) {
        if (argument == "--help" || argument == "-h")
            return HelpRequest {};
        if (argument == "--version")
            return VersionRequest {};
        if (argument == "--list-cities")
            return CityListRequest {};

        if (argument.empty()) {
            if (haveKind)
                return UsageError {
                    "unexpected argument '" + echoedValue(value) + "': only one KIND is drawn at a time"};
            const auto kind = widgetKindFromRawValue(value);
            if (!kind)
                return invalid("KIND", value, choices(kAllWidgetKinds));
            options.kind = *kind;
            haveKind = true;
            continue;
        }
        if (value.size() > kMaxTextArgument)
            return UsageError {"value of " + argument + " is too long: at most 65536 bytes"};

        if (argument == "--24h" || argument == "--12h") {
            options.use24h = argument == "--24h";
        } else if (argument == "--glow" || argument == "--no-glow") {
            options.glow = argument == "--glow";
        } else if (argument == "--defaults") {
            options.ignoreStoredSettings = true;
        } else if (argument == "--size") {
            options.size = dotSizeFromRawValue(value);
            if (!options.size)
                return invalid("--size", value, choices(kAllDotSizes));
        } else if (argument == "--theme") {
            const auto theme = themeIDFromRawValue(value);
            if (!theme)
                return invalid("--theme", value, choices(kAllThemeIDs));
            options.theme = *theme;
        } else if (argument == "--at" || argument == "--target") {
            const auto instant = parseIso8601(value);
            if (!instant)
                return invalid(argument, value,
                    "an ISO 8601 date and time with an offset, such as 2026-12-05T14:30:00Z");
            (argument == "--at" ? options.at : options.target) = instant;
        } else if (argument == "--format") {
            if (value == "png")
                options.format = RenderFormat::png;
            else if (value == "json")
                options.format = RenderFormat::json;
            else if (value == "text")
                options.format = RenderFormat::text;
            else
                return invalid("--format", value, "png, json, text");
        } else if (argument == "-o" || argument == "--output") {
            if (value.empty())
                return invalid(argument, value, "a file name");
            options.output = value;
        } else if (argument == "--scale") {
            const auto scale = numberWithin(value, 0.25, 8);
            if (!scale)
                return invalid("--scale", value, "a number from 0.25 to 8");
            options.scale = *scale;
        } else if (argument == "--cities" || argument == "--clock-city") {
            std::vector<std::string> ids
                = argument == "--cities" ? commaSeparatedItems(value) : std::vector<std::string> {value};
            for (const std::string& id : ids) {
                if (!City::find(id))
                    return invalid(argument, id,
                        "city ids such as london, new-york or local (--list-cities lists them)");
            }
            if (argument == "--cities")
                options.cities = std::move(ids);
            else
                options.clockCity = value;
        } else if (argument == "--period") {
            options.period = progressPeriodFromRawValue(value);
            if (!options.period)
                return invalid("--period", value, choices(kAllProgressPeriods));
        } else if (argument == "--title") {
            options.title = value;
        } else if (argument == "--message") {
            options.message = value;
        }
    }
    if (!haveKind)
        return UsageError {"missing KIND: expected " + choices(kAllWidgetKinds)};
    return options;
}

} // namespace quillon
