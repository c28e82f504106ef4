// quillon-render run as a user or a script runs it: exit status, output and errors.
#include "tools/render/render_options.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillon {
namespace {

struct ToolRun {
    int status = -1; // -1 when the tool did not exit on its own
    std::string output;
};

// A settings folder of the running test's own, empty until a test stores a record in it. The tool's
// standard output and error are kept beside it: tests may run side by side.
std::filesystem::path configHome()
{
    return std::filesystem::temp_directory_path()
        / (std::string("render_tool_test_")
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

std::filesystem::path outputPath()
{
    return configHome().string() + ".out";
}

std::filesystem::path errorPath()
{
    return configHome().string() + ".err";
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::string lastError()
{
    return contents(errorPath());
}

// Runs the tool with exactly these arguments, no shell between, with the machine's zone, locale and
// settings folder fixed; standard error is kept for lastError(). A write that would take a file past
// `largestFile` bytes is cut short and fails with EFBIG, as on a full disk.
ToolRun runExactly(std::vector<std::string> arguments, rlim_t largestFile = RLIM_INFINITY)
{
    arguments.insert(arguments.begin(), QUILLON_RENDER_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables
        = {"TZ=Europe/London", "LC_ALL=en_US.UTF-8", "XDG_CONFIG_HOME=" + configHome().string()};
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (!text.starts_with("TZ=") && !text.starts_with("LC_ALL=") && !text.starts_with("XDG_CONFIG_HOME="))
            variables.push_back(text);
    }
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const int outputFd = ::open(outputPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int errorFd = ::open(errorPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const pid_t pid = outputFd >= 0 && errorFd >= 0 ? ::fork() : -1;
    if (pid == 0) {
        // Only async-signal-safe calls from here to execve: everything the child needs is made above.
        if (::dup2(outputFd, STDOUT_FILENO) < 0 || ::dup2(errorFd, STDERR_FILENO) < 0)
            ::_exit(126);
        if (largestFile != RLIM_INFINITY) {
            ::signal(SIGXFSZ, SIG_IGN); // the tool sees the failed write instead of being killed
            const rlimit limit {largestFile, largestFile};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(126);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    for (const int fd : {outputFd, errorFd}) {
        if (fd >= 0)
            ::close(fd);
    }
    ToolRun result;
    int status = 0;
    if (pid < 0)
        return result;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = contents(outputPath());
    return result;
}

// The arguments as a user types them, split at spaces.
ToolRun run(const std::string& arguments)
{
    std::istringstream words(arguments);
    return runExactly({std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
}

TEST(RenderTool, JsonDescribesTheSceneTheBuilderMade)
{
    const ToolRun result
        = run("clock --size large --at 2026-12-05T06:00:00-08:00 --clock-city los-angeles --12h "
              "--format json");
    ASSERT_EQ(result.status, 0);
    const auto json = nlohmann::json::parse(result.output, nullptr, false);
    ASSERT_TRUE(json.is_object()) << result.output;
    EXPECT_EQ(json["kind"], "clock");
    EXPECT_EQ(json["size"], "large");
    EXPECT_EQ(json["theme"], "midnight");
    EXPECT_EQ(json["at"], 818172000.0);
    EXPECT_EQ(json["accessibilityText"], "Los Angeles. 06:00. SAT 05 DEC AM");
    const auto& blocks = json["scene"]["blocks"];
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[1],
        (nlohmann::json {
            {"type", "text"}, {"lines", {"06:00"}}, {"cells", 5}, {"weight", 3.0}, {"align", "center"}}));
    EXPECT_EQ(blocks[3]["type"], "bar");
    EXPECT_DOUBLE_EQ(blocks[3]["fraction"].get<double>(), 0.25);
    EXPECT_EQ(json["scene"]["padding"], 20.0);
}

TEST(RenderTool, TextShowsTheDotsAndPngIsAPicture)
{
    const ToolRun text = run("sign --message hi --format text");
    ASSERT_EQ(text.status, 0);
    // " HI" in four cells: the H starts in the second cell.
    EXPECT_EQ(text.output.substr(0, text.output.find('\n')), "..... #...# .###. .....");

    const auto path = std::filesystem::temp_directory_path() / "render_tool_test.png";
    std::filesystem::remove(path);
    const ToolRun png = run("day --size small --theme paper --scale 1 -o " + path.string());
    ASSERT_EQ(png.status, 0);
    ASSERT_TRUE(std::filesystem::exists(path));
    FILE* file = fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::array<unsigned char, 24> header {};
    ASSERT_EQ(fread(header.data(), 1, header.size(), file), header.size());
    fclose(file);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header.data()) + 1, 3), "PNG");
    EXPECT_EQ(header[19], 164) << "164 points wide at scale 1";
}

TEST(RenderTool, BadArgumentsNameTheArgumentAndWriteNothing)
{
    const auto path = std::filesystem::temp_directory_path() / "render_tool_test_bad.png";
    std::filesystem::remove(path);
    struct Case {
        const char* arguments;
        const char* mentions;
    };
    const Case cases[] = {
        {"", "missing KIND"},
        {"calendar", "worldBoard, clock, day, progress, countdown, sign"},
        {"day --size huge", "small, medium, large, extraLarge"},
        {"day --theme Sky", "midnight"},
        {"day --at yesterday", "ISO 8601"},
        {"day --at 2026-13-01T00:00:00Z", "ISO 8601"},
        {"day --format gif", "png, json, text"},
        {"worldBoard --cities london,atlantis", "atlantis"},
        {"day --scale 100", "--scale"},
        {"day --title", "needs a value"},
        {"day --frobnicate", "unknown option"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun result = run("-o " + path.string() + " " + c.arguments);
        EXPECT_EQ(result.status, 2);
        const std::string error = lastError();
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << "one line";
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST(RenderTool, AFailedWriteLeavesTheEarlierOutputAsItWas)
{
    const auto folder = configHome() / "out";
    std::filesystem::remove_all(configHome());
    std::filesystem::create_directories(folder);
    const auto path = folder / "day.png";
    ASSERT_EQ(
        runExactly({"day", "--size", "large", "--theme", "paper", "--defaults", "-o", path.string()}).status,
        0)
        << lastError();
    const std::string earlier = contents(path);
    constexpr rlim_t kLargestFile = 1024;
    ASSERT_GT(earlier.size(), kLargestFile) << "the earlier picture must be larger than the limit";

    // A new picture, larger than the limit, so its write fails part way as it would on a full disk.
    const ToolRun failed = runExactly(
        {"clock", "--size", "large", "--theme", "midnight", "--defaults", "-o", path.string()}, kLargestFile);
    EXPECT_EQ(failed.status, 1);
    const std::string error = lastError();
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_TRUE(contents(path) == earlier) << "the earlier picture was damaged";
    const auto files
        = std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
    EXPECT_EQ(files, 1) << "nothing but the picture is left in its folder";
    std::filesystem::remove_all(configHome());
}

// What a user typed can hold a newline, a terminal's escape sequence, or a whole pasted file.
TEST(RenderTool, AnErrorStaysOneShortLineWhateverTheArgumentsHold)
{
    const auto missingFolder = configHome() / "missing";
    const std::vector<std::string> cases[] = {
        {"day", "--theme", "mid\nnight\x1b[31m"},
        {"day", "--\x1b]0;title\x07"},
        {"day", "clock\r\n"},
        {"day", "--defaults", "--format", "text", "-o", (missingFolder / "a\nb\x1b[2J.txt").string()},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments.back().substr(0, 80)));
        EXPECT_NE(runExactly(arguments).status, 0);
        const std::string error = lastError();
        ASSERT_FALSE(error.empty());
        EXPECT_EQ(error.back(), '\n');
        EXPECT_TRUE(std::none_of(error.begin(), error.end() - 1,
            [](char c) {
                const auto byte = static_cast<unsigned char>(c);
                return byte < 0x20 || byte == 0x7F;
            }))
            << "a raw control character in: " << ::testing::PrintToString(error.substr(0, 200));
        EXPECT_LE(error.size(), 300u) << "the value is cut short";
    }
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

TEST(RenderTool, FollowsTheStoredSettingsUnlessToldNotTo)
{
    std::filesystem::remove_all(configHome());
    const auto folder = configHome() / "quillon";
    std::filesystem::create_directories(folder);
    {
        std::ofstream record(folder / "studio.v1");
        record << R"({"theme":"sky","signText":"Gone fishing","use24h":false,"sizes":["sign","large"]})";
    }
    const auto json
        = [](const ToolRun& result) { return nlohmann::json::parse(result.output, nullptr, false); };

    const auto stored = json(run("sign --format json"));
    EXPECT_EQ(stored["theme"], "sky");
    EXPECT_EQ(stored["size"], "large") << "the studio's size for the kind";
    EXPECT_EQ(stored["accessibilityText"], " GONE, FISHING");

    const auto overridden = json(run("sign --format json --message Back --theme amber"));
    EXPECT_EQ(overridden["theme"], "amber");
    EXPECT_EQ(overridden["accessibilityText"], "BACK");

    const auto defaults = json(run("sign --format json --defaults"));
    EXPECT_EQ(defaults["theme"], "midnight");
    EXPECT_EQ(defaults["size"], "medium");
    EXPECT_EQ(defaults["accessibilityText"], "HELLO,, WORLD!");
    std::filesystem::remove_all(configHome());
}

// An earlier version's folders, as a program that shares the record finds them at its first start:
// the record it then reads is the one moved, and nothing is left behind or lost.
TEST(RenderTool, MovesTheSettingsOfEarlierFoldersIntoItsOwnAndReadsThem)
{
    std::filesystem::remove_all(configHome());
    const std::map<std::string, std::string> earlier {
        {"Q2LD7X9K4M.com.quillon.Quillon/studio.v1", R"({"theme":"amber","signText":"Moved"})"},
        {"quillon.com/Quillon.conf", "[WindowFrames]\nstudio=x\n"},
        {"quillon-widgets/widgets.json", R"({"widgets":[]})"},
        {"quillon-widgets/widgets.json.bad", "damaged"},
    };
    for (const auto& [name, bytes] : earlier) {
        std::filesystem::create_directories((configHome() / name).parent_path());
        std::ofstream(configHome() / name, std::ios::binary) << bytes;
    }
    std::filesystem::create_directories(configHome() / "com.quillon.Quillon.Lampwork");

    const auto listing = [] {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(configHome()))
            found[entry.path().lexically_relative(configHome()).string()]
                = entry.is_regular_file() ? contents(entry.path()) : "<folder>";
        return found;
    };
    const auto stored = nlohmann::json::parse(run("sign --format json").output, nullptr, false);
    EXPECT_EQ(stored["theme"], "amber");
    EXPECT_EQ(stored["accessibilityText"], "MOVED");
    const std::map<std::string, std::string> expected {
        {"quillon", "<folder>"},
        {"quillon/studio.v1", R"({"theme":"amber","signText":"Moved"})"},
        {"quillon/Quillon.conf", "[WindowFrames]\nstudio=x\n"},
        {"quillon/widgets.json", R"({"widgets":[]})"},
        {"quillon/widgets.json.bad", "damaged"},
    };
    EXPECT_EQ(listing(), expected);
    // A second start finds nothing more to move.
    run("sign --format json");
    EXPECT_EQ(listing(), expected);
    std::filesystem::remove_all(configHome());
}

TEST(RenderOptions, ContentFlagsAreKeptAndTheLastOfTwoWins)
{
    const auto parsed = parseRenderOptions({"worldBoard", "--cities", "tokyo,,local", "--12h", "--24h",
        "--period", "week", "--target", "2027-01-01T00:00:00+09:00", "--scale", "1.5"});
    ASSERT_TRUE(std::holds_alternative<RenderOptions>(parsed));
    const auto& options = std::get<RenderOptions>(parsed);
    EXPECT_EQ(options.cities, (std::vector<std::string> {"tokyo", "local"}));
    EXPECT_EQ(options.use24h, true);
    EXPECT_EQ(options.period, ProgressPeriod::week);
    EXPECT_EQ(options.target->unixSeconds(), 1798729200.0);
    EXPECT_EQ(options.scale, 1.5);
    EXPECT_EQ(options.format, RenderFormat::png);
}

TEST(RenderOptions, AnInvalidValueIsEchoedEscapedAndCutAtACharacter)
{
    const std::string sixty(60, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"mid\nnight\x1b[31m", R"(mid\nnight\x1b[31m)"},
        {"\t\r\x7f\x01", R"(\t\r\x7f\x01)"},
        {"\xC2\x85\xC2\x9B"
         "1m",
            R"(\u0085\u009b1m)"}, // C1 controls: NEL, and CSI, which starts an escape
        {"\xFF\xC3", R"(\xff\xc3)"}, // bytes that are not UTF-8
        {"\xE2\x82"
         "x",
            R"(\xe2\x82x)"}, // a sequence cut short
        {"\xC0\xAF", R"(\xc0\xaf)"}, // an overlong "/"
        {"\xED\xA0\x80", R"(\xed\xa0\x80)"}, // an encoded surrogate
        {"\xF4\x90\x80\x80", R"(\xf4\x90\x80\x80)"}, // past U+10FFFF
        {"back\\slash", R"(back\\slash)"}, // a typed backslash and n must not read as a newline
        {"caf\u00E9\u00A0\U0001F600", "caf\u00E9\u00A0\U0001F600"}, // printable text stays as it is
        {sixty, sixty},
        {sixty + "b", sixty + "\u2026"},
        {std::string(59, 'a') + "\u00E9\u00E9", std::string(59, 'a') + "\u00E9\u2026"},
        {std::string(65000, 'x'), std::string(60, 'x') + "\u2026"},
    };
    for (const auto& [value, echoed] : cases) {
        SCOPED_TRACE(::testing::PrintToString(value.substr(0, 80)));
        const auto parsed = parseRenderOptions({"day", "--theme", value});
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
        const std::string& message = std::get<UsageError>(parsed).message;
        EXPECT_NE(message.find("'" + echoed + "'"), std::string::npos) << ::testing::PrintToString(message);
    }
}

} // namespace
} // namespace quillon
