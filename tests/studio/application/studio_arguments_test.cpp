// The studio's command line as main() reads it before Qt starts: Qt's options set aside, quillon:
// links taken or ignored, anything else refused.
#include "studio/application/studio_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

using Request = StudioArguments::Request;

StudioArguments opening(std::optional<std::string> link = std::nullopt,
    std::optional<std::string> qtPlatform = std::nullopt,
    std::optional<std::string> x11Display = std::nullopt)
{
    return {Request::open, std::move(link), std::move(qtPlatform), std::move(x11Display)};
}

StudioArguments asking(Request request)
{
    StudioArguments arguments;
    arguments.request = request;
    return arguments;
}

std::string joined(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments)
        text += "[" + argument + "]";
    return text;
}

TEST(StudioArguments, WidgetLinksOpenTheirKindOtherQuillonLinksAreIgnoredAndQtKeepsItsOptions)
{
    struct Row {
        std::vector<std::string> arguments;
        StudioArguments expected;
    };
    const Row rows[] = {
        {{}, opening()},
        {{"quillon://widget/clock"}, opening("quillon://widget/clock")},
        // A link that names no kind is ignored, as links of other kinds are; the scheme is the
        // studio's in any case, its kind only as written.
        {{"quillon://widget/nonsense"}, opening()},
        {{"quillon:whatever"}, opening()},
        {{"QUILLON://widget/clock"}, opening()},
        {{"quillon://widget/nonsense", "quillon://widget/day", "quillon://widget/sign"},
            opening("quillon://widget/day")},
        {{"quillon://widget/" + std::string(5000, 'x') + "/day"}, opening()},
        // Qt's options, with one dash or two, their values whatever they look like.
        {{"-platform", "offscreen", "quillon://widget/day"}, opening("quillon://widget/day", "offscreen")},
        {{"--platform", "xcb"}, opening(std::nullopt, "xcb")},
        {{"-display", ":3", "-name", "studio", "-geometry", "800x600"},
            opening(std::nullopt, std::nullopt, ":3")},
        {{"-style", "fusion", "-style=fusion", "--stylesheet=a.qss", "-reverse", "-qmljsdebugger=port:1"},
            opening()},
        {{"-qwindowtitle", "/etc/passwd"}, opening()},
        {{"-qwindowtitle", "--help"}, opening()},
        // Qt takes -platform at the end of the line with no value, and chooses no platform by it.
        {{"-platform"}, opening()},
        {{"--help"}, asking(Request::help)},
        {{"-h"}, asking(Request::help)},
        {{"--version"}, asking(Request::version)},
        // Help and the version are answered whatever else is wrong; the first of them is.
        {{"/etc/passwd", "--frob", "--help"}, asking(Request::help)},
        {{"--version", "-h"}, asking(Request::version)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(joined(row.arguments));
        const auto read = readStudioArguments(row.arguments);
        ASSERT_TRUE(std::holds_alternative<StudioArguments>(read))
            << std::get<CommandLineError>(read).message();
        EXPECT_EQ(std::get<StudioArguments>(read), row.expected);
    }
}

TEST(StudioArguments, TheFirstArgumentThatIsNeitherAnOptionNorAQuillonLinkIsTheError)
{
    struct Row {
        std::vector<std::string> arguments;
        CommandLineError expected;
    };
    const Row rows[] = {
        {{"/etc/passwd"}, {CommandLineFault::unknownArgument, "/etc/passwd"}},
        {{"https://example.com"}, {CommandLineFault::unknownArgument, "https://example.com"}},
        {{"quillon://widget/clock", "foo", "--frob"}, {CommandLineFault::unknownArgument, "foo"}},
        {{""}, {CommandLineFault::unknownArgument, ""}},
        {{"quillon"}, {CommandLineFault::unknownArgument, "quillon"}},
        {{"--frob", "foo"}, {CommandLineFault::unknownOption, "--frob"}},
        // Qt reads neither of these as its own.
        {{"-platform=xcb"}, {CommandLineFault::unknownOption, "-platform=xcb"}},
        {{"--"}, {CommandLineFault::unknownOption, "--"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(joined(row.arguments));
        const auto read = readStudioArguments(row.arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(read));
        const CommandLineError& error = std::get<CommandLineError>(read);
        EXPECT_EQ(error.fault, row.expected.fault);
        EXPECT_EQ(error.argument, row.expected.argument);
    }
}

} // namespace
} // namespace quillon
