// Reading a program's arguments: which are options, which options take a value, and what was wrong.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillon {

// An option a program knows, spelt as it is typed ("--size", "-o"). Only the `--size VALUE` form is
// read: `--size=VALUE` is an unknown option.
struct CommandLineOption {
    enum Kind {
        flag,
        valued, // the next argument is the value, even when it starts with '-'
        standalone, // --help: the program answers it alone, so nothing after it is read
    };
    std::string_view name;
    Kind kind = flag;
};

// One argument as read: an option with its value (empty for a flag), or a plain argument, whose
// `option` is empty.
struct CommandLineItem {
    std::string option;
    std::string value;
    bool operator==(const CommandLineItem&) const = default;
};

struct CommandLine {
    std::vector<CommandLineItem> items; // in the order given; no option twice

    bool has(std::string_view option) const;
    std::optional<std::string> value(std::string_view option) const;
};

enum class CommandLineFault {
    unknownOption, // something starting with '-' that the program does not know
    unknownArgument, // anything the program does not know, when it takes no plain arguments
    missingValue,
    repeatedOption,
};

struct CommandLineError {
    CommandLineFault fault = CommandLineFault::unknownOption;
    std::string argument; // as typed

    // One line that quotes the argument with what could end the line or drive a terminal escaped,
    // such as "unknown option '--frob'" or "option --size needs a value".
    std::string message() const;
};

enum class PlainArguments { rejected, accepted };

// `arguments` without the program's own name. When plain arguments are accepted, one that starts
// with '-' is still an option, so that a mistyped option is not taken for one.
std::variant<CommandLine, CommandLineError> parseCommandLine(const std::vector<std::string>& arguments,
    std::span<const CommandLineOption> options, PlainArguments plain);

// Reading the values options take, alike in every tool.

// "invalid --size 'huge': expected small, medium, …", with the value quoted by echoedValue.
std::string invalidValueMessage(std::string_view option, std::string_view value, std::string_view expected);

// The items of a comma-separated list, empty ones left out: "a,,b," is a and b.
std::vector<std::string> commaSeparatedItems(std::string_view text);

// The whole of `text` as a decimal number from `lowest` to `highest`.
std::optional<double> numberWithin(std::string_view text, double lowest, double highest);

} // namespace quillon
