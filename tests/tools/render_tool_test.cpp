// quillon-render run as a user or a script runs it: exit status, output and errors.
#include "tools/render/render_options.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace quillon {
namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

// Where the running test keeps the tool's standard error: tests may run side by side.
std::filesystem::path errorPath()
{
    return std::filesystem::temp_directory_path() /
           (std::string("render_tool_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".err");
}

// A settings folder of the running test's own, empty until a test stores a record in it.
std::filesystem::path configHome()
{
    return std::filesystem::temp_directory_path() /
           (std::string("render_tool_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

// Runs the tool with the machine's zone, locale and settings folder fixed.
ToolRun run(const std::string& arguments)
{
    const std::string command = "TZ=Europe/London LC_ALL=en_US.UTF-8 XDG_CONFIG_HOME=" + configHome().string() + " " +
                                QUILLON_RENDER_PATH " " + arguments + " 2>" + errorPath().string();
    ToolRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string lastError()
{
    FILE* file = fopen(errorPath().c_str(), "r");
    std::string text;
    if (file) {
        std::array<char, 1024> buffer{};
        text.assign(buffer.data(), fread(buffer.data(), 1, buffer.size(), file));
        fclose(file);
    }
    return text;
}

TEST(RenderTool, JsonDescribesTheSceneTheBuilderMade)
{
    const ToolRun result = run("clock --size large --at 2026-12-05T06:00:00-08:00 --clock-city los-angeles --12h "
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
    EXPECT_EQ(blocks[1], (nlohmann::json{{"type", "text"}, {"lines", {"06:00"}}, {"cells", 5}, {"weight", 3.0},
                                         {"align", "center"}}));
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
    std::array<unsigned char, 24> header{};
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

TEST(RenderTool, FollowsTheStoredSettingsUnlessToldNotTo)
{
    std::filesystem::remove_all(configHome());
    const auto suite = configHome() / QUILLON_APP_GROUP;
    std::filesystem::create_directories(suite);
    {
        std::ofstream record(suite / "studio.v1");
        record << R"({"theme":"sky","signText":"Gone fishing","use24h":false,"sizes":["sign","large"]})";
    }
    const auto json = [](const ToolRun& result) { return nlohmann::json::parse(result.output, nullptr, false); };

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

TEST(RenderOptions, ContentFlagsAreKeptAndTheLastOfTwoWins)
{
    const auto parsed = parseRenderOptions({"worldBoard", "--cities", "tokyo,,local", "--12h", "--24h", "--period",
                                            "week", "--target", "2027-01-01T00:00:00+09:00", "--scale", "1.5"});
    ASSERT_TRUE(std::holds_alternative<RenderOptions>(parsed));
    const auto& options = std::get<RenderOptions>(parsed);
    EXPECT_EQ(options.cities, (std::vector<std::string>{"tokyo", "local"}));
    EXPECT_EQ(options.use24h, true);
    EXPECT_EQ(options.period, ProgressPeriod::week);
    EXPECT_EQ(options.target->unixSeconds(), 1798729200.0);
    EXPECT_EQ(options.scale, 1.5);
    EXPECT_EQ(options.format, RenderFormat::png);
}

} // namespace
} // namespace quillon
