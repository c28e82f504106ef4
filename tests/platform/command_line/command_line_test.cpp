// Options read against a program's table: each fault named, and what only looks like one let through.
#include "platform/command_line/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace quillon {
namespace {

constexpr CommandLineOption kOptions[] = {
    {"--help", CommandLineOption::standalone},
    {"--glow"},
    {"--title", CommandLineOption::valued},
};

TEST(CommandLine, ReadsOptionsInOrderAndNamesTheFirstArgumentAtFault)
{
    using enum PlainArguments;
    struct Case {
        std::vector<std::string> arguments;
        PlainArguments plain;
        std::string error; // empty: read without a fault, into `items`
        std::vector<CommandLineItem> items {};
    };
    const Case cases[] = {
        {{"day", "--frob", "--glow=1"}, accepted, "unknown option '--frob'"},
        {{"--title=a"}, accepted, "unknown option '--title=a'"},
        {{"--\x1b[2J"}, accepted, R"(unknown option '--\x1b[2J')"},
        {{"--glow", "day"}, rejected, "unknown argument 'day'"},
        {{"--glow", "--title"}, accepted, "option --title needs a value"},
        {{"--glow", "--title", "a", "--glow"}, accepted, "option --glow is given twice"},
        {{"--title", "--glow", "day", "--glow"}, accepted, "",
            {{"--title", "--glow"}, {"", "day"}, {"--glow", ""}}},
        {{"--glow", "--help", "--frob", "--glow"}, rejected, "", {{"--glow", ""}, {"--help", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const auto parsed = parseCommandLine(c.arguments, kOptions, c.plain);
        if (const auto* error = std::get_if<CommandLineError>(&parsed))
            EXPECT_EQ(error->message(), c.error);
        else
            EXPECT_EQ(std::get<CommandLine>(parsed).items, c.items) << "expected: " << c.error;
    }
}

} // namespace
} // namespace quillon
