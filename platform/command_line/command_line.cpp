// Walking the argument vector against the options a program knows.
#include "platform/command_line/command_line.h"

#include "platform/command_line/echoed_value.h"

#include <algorithm>
#include <charconv>

namespace quillon {

bool CommandLine::has(std::string_view option) const
{
    return std::any_of(
        items.begin(), items.end(), [&](const CommandLineItem& item) { return item.option == option; });
}

std::optional<std::string> CommandLine::value(std::string_view option) const
{
    for (const CommandLineItem& item : items) {
        if (item.option == option)
            return item.value;
    }
    return std::nullopt;
}

std::string CommandLineError::message() const
{
    switch (fault) {
    case CommandLineFault::unknownOption:
        return "unknown option '" + echoedValue(argument) + "'";
    case CommandLineFault::unknownArgument:
        return "unknown argument '" + echoedValue(argument) + "'";
    // These two name an option from the program's own table, which needs no escaping.
    case CommandLineFault::missingValue:
        return "option " + argument + " needs a value";
    case CommandLineFault::repeatedOption:
        return "option " + argument + " is given twice";
    }
    return "invalid argument '" + echoedValue(argument) + "'";
}

std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& arguments,
    std::span<const CommandLineOption> options, PlainArguments plain)
{
    CommandLine line;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const auto known = std::find_if(options.begin(), options.end(),
            [&](const CommandLineOption& option) { return option.name == argument; });
        if (known == options.end()) {
            if (plain == PlainArguments::rejected)
                return CommandLineError {CommandLineFault::unknownArgument, argument};
            if (argument.starts_with("-"))
                return CommandLineError {CommandLineFault::unknownOption, argument};
            line.items.push_back({std::string(), argument});
            continue;
        }
        if (line.has(argument))
            return CommandLineError {CommandLineFault::repeatedOption, argument};
        std::string value;
        if (known->kind == CommandLineOption::valued) {
            if (index + 1 >= arguments.size())
                return CommandLineError {CommandLineFault::missingValue, argument};
            value = arguments[++index];
        }
        line.items.push_back({argument, std::move(value)});
        if (known->kind == CommandLineOption::standalone)
            break;
    }
    return line;
}

std::string invalidValueMessage(std::string_view option, std::string_view value, std::string_view expected)
{
    return "invalid " + std::string(option) + " '" + echoedValue(value) + "': expected "
        + std::string(expected);
}

std::vector<std::string> commaSeparatedItems(std::string_view text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start)
            items.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::optional<double> numberWithin(std::string_view text, double lowest, double highest)
{
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || !(number >= lowest && number <= highest))
        return std::nullopt;
    return number;
}

} // namespace quillon
