// Every program run as a user or a script runs it, in an environment without a display: --version
// and --help answered on standard output, a wrong argument refused with status 2 before anything
// else is looked at, and the studio, which needs a display, saying in one line that there is none.
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillon {
namespace {

struct Program {
    const char* name;
    const char* path;
};

constexpr Program kStudio {"quillon", QUILLON_STUDIO_PATH};
constexpr Program kWidgetHost {"quillon-widgets", QUILLON_WIDGET_HOST_PATH};
constexpr Program kRender {"quillon-render", QUILLON_RENDER_PATH};
constexpr Program kWidgetView {"quillon-widget-view", QUILLON_WIDGET_VIEW_PATH};
constexpr Program kIcon {"quillon-icon", QUILLON_ICON_PATH};
constexpr Program kSignUpdate {"quillon-sign-update", QUILLON_SIGN_UPDATE_PATH};
constexpr Program kAllPrograms[] = {kStudio, kWidgetHost, kRender, kWidgetView, kIcon, kSignUpdate};

struct ProgramRun {
    int status = -1; // -1 when the program did not exit on its own
    std::string output;
    std::string error;
};

std::string contents(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// The test's environment without anything that names a display or a Qt platform, with the
// settings folder in `scratch` and `extra` ("NAME=value") over it.
std::vector<std::string> displaylessEnvironment(
    const std::filesystem::path& scratch, const std::vector<std::string>& extra)
{
    constexpr std::string_view kLeftOut[] = {"DISPLAY=", "WAYLAND_DISPLAY=", "WAYLAND_SOCKET=",
        "QT_QPA_PLATFORM=", "XDG_CONFIG_HOME=", "XDG_RUNTIME_DIR="};
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view text = *variable;
        bool leftOut = false;
        for (const std::string_view prefix : kLeftOut)
            leftOut = leftOut || text.starts_with(prefix);
        if (!leftOut)
            variables.emplace_back(text);
    }
    variables.push_back("XDG_CONFIG_HOME=" + (scratch / "config").string());
    // A runtime folder of the user's, as a session has, which Qt would otherwise warn about on
    // standard error whatever the machine running the test lacks.
    const std::filesystem::path runtime = scratch / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    variables.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    for (const std::string& variable : extra) {
        const std::string name = variable.substr(0, variable.find('=') + 1);
        std::erase_if(variables, [&](const std::string& kept) { return kept.starts_with(name); });
        variables.push_back(variable);
    }
    return variables;
}

// Runs the program with exactly these arguments and variables, no shell between, its standard input
// empty. Should it not end within a minute (a studio that opened after all), it is ended and the run
// has no status.
ProgramRun run(
    const Program& program, std::vector<std::string> arguments, const std::vector<std::string>& extra)
{
    const testing::ScratchFolder scratch("program_command_lines_test");
    if (scratch.path().empty())
        return {};
    const std::filesystem::path outputFile = scratch.path() / "output";
    const std::filesystem::path errorFile = scratch.path() / "error";
    arguments.insert(arguments.begin(), program.path);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables = displaylessEnvironment(scratch.path(), extra);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(
        &actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(
        &actions, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, program.path, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ProgramRun result;
    if (spawned != 0) {
        result.error = std::string("could not start: ") + std::strerror(spawned);
        return result;
    }
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; (ended = ::waitpid(child, &status, WNOHANG)) == 0 && waited < 6000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) {
        ::kill(child, SIGKILL);
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
        status = -1;
    }
    result.status = ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = contents(outputFile);
    result.error = contents(errorFile);
    return result;
}

std::string commandLine(const Program& program, const std::vector<std::string>& arguments)
{
    std::string text = program.name;
    for (const std::string& argument : arguments)
        text += " '" + argument + "'";
    return text;
}

TEST(ProgramCommandLines, EveryProgramAnswersVersionAndHelpOnStandardOutputWithoutADisplay)
{
    for (const Program& program : kAllPrograms) {
        const ProgramRun version = run(program, {"--version"}, {});
        SCOPED_TRACE(commandLine(program, {"--version"}) + ": " + version.error);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.output, std::string(program.name) + " " + QUILLON_VERSION_TEXT + "\n");
        EXPECT_EQ(version.error, "");
        for (const char* help : {"--help", "-h"}) {
            const ProgramRun usage = run(program, {help}, {});
            SCOPED_TRACE(commandLine(program, {help}) + ": " + usage.error);
            EXPECT_EQ(usage.status, 0);
            EXPECT_EQ(usage.output.rfind("usage: " + std::string(program.name) + " ", 0), 0u) << usage.output;
            EXPECT_EQ(usage.error, "");
        }
    }
}

// The lines of `text`, each ended by a line break, or nothing when the last one is not ended.
std::vector<std::string> endedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start != text.size())
        return {};
    return lines;
}

TEST(ProgramCommandLines, AWrongArgumentIsRefusedFirstAndAStudioWithoutADisplaySaysSoInOneLine)
{
    const std::string noDisplay = "quillon: no graphical display to open the studio on (";
    const std::string neitherSet = noDisplay + "neither DISPLAY nor WAYLAND_DISPLAY is set)";
    struct Row {
        Program program;
        std::vector<std::string> arguments;
        std::vector<std::string> environment;
        int status;
        // The whole of a line of standard error, or its start when it ends in '*': of its only line,
        // or of any of its lines when the usage follows (Qt may say something before it).
        std::string line;
        bool oneLine = true;
    };
    const Row rows[] = {
        {kStudio, {}, {}, 1, neitherSet},
        // The X server is tried on its socket alone: "unix" keeps libxcb from trying TCP.
        {kStudio, {}, {"DISPLAY=unix:4242"}, 1,
            noDisplay
                + "WAYLAND_DISPLAY is not set; DISPLAY 'unix:4242' names an X display that cannot be "
                  "opened*"},
        {kStudio, {}, {"WAYLAND_DISPLAY=/nonexistent/wayland-0"}, 1,
            noDisplay
                + "WAYLAND_DISPLAY '/nonexistent/wayland-0' names a Wayland compositor that cannot be "
                  "reached*"},
        {kStudio, {}, {"QT_QPA_PLATFORM=xcb"}, 1,
            noDisplay + "QT_QPA_PLATFORM chooses 'xcb', and DISPLAY is not set)"},
        {kStudio, {"-platform", "wayland"}, {}, 1,
            noDisplay + "-platform chooses 'wayland', and WAYLAND_DISPLAY is not set)"},
        // A link that names no kind, and Qt's own options, pass: the studio goes on to need a display.
        {kStudio, {"quillon://widget/nonsense"}, {}, 1, neitherSet},
        {kStudio, {"-style", "fusion", "quillon://widget/clock"}, {}, 1, neitherSet},
        // Anything else is refused before the display is looked for.
        {kStudio, {"https://example.com"}, {}, 2, "quillon: unknown argument 'https://example.com'*"},
        {kStudio, {"/etc/passwd"}, {}, 2, "quillon: unknown argument '/etc/passwd'*"},
        {kStudio, {"foo"}, {}, 2, "quillon: unknown argument 'foo'*"},
        {kStudio, {"quillon://widget/clock", "two\nlines"}, {}, 2,
            "quillon: unknown argument 'two\\nlines'*"},
        {kStudio, {"--frob"}, {}, 2, "quillon: unknown option '--frob'", false},
        {kRender, {"--frob"}, {}, 2, "quillon-render: unknown option '--frob'*"},
        {kWidgetView, {"--frob"}, {}, 2, "quillon-widget-view: unknown argument '--frob'*"},
        {kIcon, {}, {}, 2, "usage: quillon-icon *", false},
        {kSignUpdate, {"--frob"}, {}, 2, "usage: quillon-sign-update *", false},
    };
    for (const Row& row : rows) {
        const ProgramRun result = run(row.program, row.arguments, row.environment);
        std::string trace = commandLine(row.program, row.arguments);
        for (const std::string& variable : row.environment)
            trace = variable + " " + trace;
        SCOPED_TRACE(trace + ": " + result.error);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.output, "");
        const std::vector<std::string> lines = endedLines(result.error);
        if (row.oneLine) {
            EXPECT_EQ(lines.size(), 1u);
        }
        const bool prefix = row.line.ends_with('*');
        const std::string wanted = prefix ? row.line.substr(0, row.line.size() - 1) : row.line;
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
            [&](const std::string& line) { return prefix ? line.starts_with(wanted) : line == wanted; }))
            << "no line " << (prefix ? "starts with " : "is ") << wanted;
    }
}

} // namespace
} // namespace quillon
