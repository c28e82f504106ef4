// What the desktop widget host decides: which entry shows when, and what it keeps between sessions.
#include "widgethost/core/desktop_choice.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/core/timeline_schedule.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillon::widgethost {

void PrintTo(const OutputPlace& place, std::ostream* out)
{
    *out << "output " << place.output << " at (" << place.corner.x << ", " << place.corner.y << ")"
         << (place.onItsOwn ? "" : ", not its own");
}

namespace {

Timeline minutes(double start, int count, ReloadPolicy policy = ReloadPolicy::atEnd)
{
    Timeline timeline;
    timeline.policy = policy;
    for (int index = 0; index < count; ++index)
        timeline.entries.push_back({start + 60.0 * index, nullptr});
    return timeline;
}

TEST(TimelineSchedule, ShowsTheLatestEntryThatHasComeAndWakesAtTheNextDate)
{
    const Timeline hour = minutes(600, 61);
    struct Case {
        double now;
        ScheduleStep expected;
    };
    const Case cases[] = {
        {599, {0, 600, false}}, // before the first entry: the first, waiting for its date
        {600, {0, 660, false}}, // exactly at a date that entry shows
        {642.5, {0, 660, false}}, {660, {1, 720, false}},
        {600 + 59 * 60 + 1, {59, 4200, true}}, // the next date is the last: ask again then
        {4200, {60, 4200, true}}, // used up: ask now
        {9000, {60, 9000, true}}, // long past (after a suspend): ask now
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        EXPECT_EQ(scheduleStep(hour, c.now), c.expected);
    }
    EXPECT_EQ(
        scheduleStep(minutes(600, 3, ReloadPolicy::never), 2000), (ScheduleStep {2, std::nullopt, false}));
    EXPECT_EQ(scheduleStep(Timeline {}, 600), (ScheduleStep {std::nullopt, std::nullopt, false}));
}

// A folder of its own under the temporary folder, gone with the test.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string contentsOf(const std::filesystem::path& file)
{
    std::ifstream stream(file);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

TEST(ScreenRegion, AWidgetIsWhereItsCentreIsInThirdsOfTheScreen)
{
    const RectF screen {100, 50, 1200, 900}; // thirds at x 500 and 900, y 350 and 650
    const struct {
        RectF widget;
        ScreenRegion region;
    } cases[] = {
        {{124, 74, 164, 164}, ScreenRegion::topLeft},
        {{620, 74, 164, 164}, ScreenRegion::top},
        {{1112, 60, 164, 164}, ScreenRegion::topRight},
        {{100, 400, 344, 164}, ScreenRegion::left},
        {{500, 400, 344, 164}, ScreenRegion::middle},
        {{940, 400, 344, 164}, ScreenRegion::right},
        {{100, 760, 164, 164}, ScreenRegion::bottomLeft},
        {{600, 600, 344, 344}, ScreenRegion::bottom},
        {{1136, 786, 164, 164}, ScreenRegion::bottomRight},
        // A widget reaching past the screen's edge is still told by its centre, kept in range.
        {{-500, -500, 164, 164}, ScreenRegion::topLeft},
        {{5000, 5000, 164, 164}, ScreenRegion::bottomRight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.widget.x << "," << c.widget.y);
        EXPECT_EQ(regionOf(c.widget, screen), c.region);
    }
    EXPECT_EQ(regionOf({0, 0, 10, 10}, {0, 0, 0, 0}), ScreenRegion::middle); // no screen known
}

TEST(PlacedWidgets, SurviveARoundTripAndDamagedFilesAreMovedAside)
{
    const ScratchFolder scratch("placed_widgets_test");
    const auto folder = scratch.path() / "quillon-widgets"; // saving makes it
    const std::vector<PlacedWidget> widgets {
        {"liblampwork.so", "DotSign", WidgetFamily::systemLarge, "HDMI-1", 120, 80.5, R"({"message":"Hi"})"},
        {"libgone.so", "Other", WidgetFamily::systemSmall, "", -40, 20, "{}"}, // its plug-in may come back
    };
    ASSERT_TRUE(savePlacedWidgets(folder, widgets).ok());
    EXPECT_EQ(loadPlacedWidgets(folder), widgets);
    EXPECT_EQ(std::filesystem::status(folder / "widgets.json").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    std::ofstream(folder / "widgets.json") << "{\"widgets\": [ {\"kind\":";
    testing::internal::CaptureStderr();
    const LoadedWidgets damaged = readPlacedWidgets(folder);
    EXPECT_TRUE(damaged.widgets.empty());
    EXPECT_EQ(damaged.report.problem, StoreProblem::damaged);
    EXPECT_EQ(damaged.report.keptAs, folder / "widgets.json.bad");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("widgets.json.bad"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder / "widgets.json.bad"));
    EXPECT_FALSE(std::filesystem::exists(folder / "widgets.json"));
    EXPECT_TRUE(loadPlacedWidgets(folder / "missing").empty());

    // Entries that cannot be placed are dropped one by one.
    const auto decoded
        = decodePlacedWidgets(R"({"widgets":[{"plugin":"a.so","kind":"K","family":"systemTiny","x":0,"y":0},
        {"plugin":"a.so","kind":"K","family":"systemSmall","x":1,"y":2,"configuration":[1]}, 7]})");
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 1u);
    EXPECT_EQ(decoded->front().configuration, "{}");
    EXPECT_EQ(decodePlacedWidgets("[]"), std::nullopt);
}

TEST(PlacedWidgets, AreReadAndWrittenThroughASymlinkToTheUsersFileWhichStaysALink)
{
    const std::vector<PlacedWidget> widgets {
        {"liblampwork.so", "DotSign", WidgetFamily::systemLarge, "HDMI-1", 120, 80.5, R"({"message":"Hi"})"}};
    std::vector<PlacedWidget> changed = widgets;
    changed.push_back({"liblampwork.so", "DotClock", WidgetFamily::systemSmall, "", 600, 40, "{}"});

    // As dotfile managers link files: relatively, absolutely, and through a link of their own.
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path& link, const std::filesystem::path& target)> makeLink;
    };
    const Case cases[] = {
        {"relative",
            [](const auto& link, const auto&) {
                std::filesystem::create_symlink("../dotfiles/widgets.json", link);
            }},
        {"absolute",
            [](const auto& link, const auto& target) { std::filesystem::create_symlink(target, link); }},
        {"through a second link",
            [](const auto& link, const auto& target) {
                std::filesystem::create_symlink(target, target.parent_path() / "current.json");
                std::filesystem::create_symlink(target.parent_path() / "current.json", link);
            }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchFolder scratch("placed_widgets_link_test");
        const auto folder = scratch.path() / "quillon-widgets";
        const auto dotfiles = scratch.path() / "dotfiles";
        ASSERT_TRUE(savePlacedWidgets(dotfiles, widgets).ok());
        std::filesystem::create_directories(folder);
        c.makeLink(folder / "widgets.json", dotfiles / "widgets.json");

        EXPECT_EQ(loadPlacedWidgets(folder), widgets);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "widgets.json.bad")));
        ASSERT_TRUE(savePlacedWidgets(folder, changed).ok());
        EXPECT_TRUE(std::filesystem::is_symlink(folder / "widgets.json"));
        EXPECT_EQ(decodePlacedWidgets(contentsOf(dotfiles / "widgets.json")), changed);
        EXPECT_EQ(loadPlacedWidgets(folder), changed);
    }

    // A link that leads to no file is kept aside as a damaged file is, and what it leads to is left alone.
    for (const bool toFolder : {false, true}) {
        SCOPED_TRACE(toFolder ? "a link to a folder" : "a link to nothing");
        const ScratchFolder scratch("placed_widgets_link_test");
        const auto folder = scratch.path() / "quillon-widgets";
        const auto elsewhere = scratch.path() / "elsewhere";
        std::filesystem::create_directories(folder);
        if (toFolder)
            std::filesystem::create_directories(elsewhere / "inside");
        std::filesystem::create_symlink(elsewhere, folder / "widgets.json");
        testing::internal::CaptureStderr();
        EXPECT_TRUE(loadPlacedWidgets(folder).empty());
        EXPECT_NE(testing::internal::GetCapturedStderr().find("widgets.json.bad"), std::string::npos);
        EXPECT_TRUE(std::filesystem::is_symlink(folder / "widgets.json.bad"));
        ASSERT_TRUE(savePlacedWidgets(folder, widgets).ok());
        EXPECT_EQ(loadPlacedWidgets(folder), widgets);
        EXPECT_EQ(std::filesystem::exists(elsewhere / "inside"), toFolder);
    }
}

TEST(PlacedWidgets, AFileOfMoreThanTheHostKeepsIsKeptWholeAsideAndNothingIsDroppedBySaving)
{
    const ScratchFolder folder("placed_widgets_limit_test");
    std::vector<PlacedWidget> many;
    for (std::size_t index = 0; index < 2 * kMaxPlacedWidgets; ++index)
        many.push_back({"libgone.so", "K", WidgetFamily::systemSmall, "", double(index), 0, "{}"});
    const std::vector<PlacedWidget> first(many.begin(), many.begin() + std::ptrdiff_t(kMaxPlacedWidgets));
    std::ofstream(folder.path() / "widgets.json") << encodePlacedWidgets(many);
    // Lists this long are compared whole but reported by their length.
    const auto held = [&](const char* name) {
        return decodePlacedWidgets(contentsOf(folder.path() / name)).value_or(std::vector<PlacedWidget> {});
    };

    testing::internal::CaptureStderr();
    const std::vector<PlacedWidget> loaded = loadPlacedWidgets(folder.path());
    const std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loaded == first) << loaded.size() << " widgets loaded";
    EXPECT_NE(logged.find("widgets.json.too-many"), std::string::npos) << logged;
    EXPECT_TRUE(held("widgets.json.too-many") == many)
        << held("widgets.json.too-many").size() << " widgets kept aside";
    // The file now holds what the host shows, so that the next start has nothing more to put aside.
    EXPECT_TRUE(held("widgets.json") == first) << held("widgets.json").size() << " widgets in the file";

    // A list over the limit is not written at all rather than cut short.
    EXPECT_FALSE(savePlacedWidgets(folder.path(), many).ok());
    EXPECT_TRUE(held("widgets.json") == first) << held("widgets.json").size() << " widgets in the file";
}

PlacedWidget placedAt(std::string screen, double x, double y)
{
    PlacedWidget widget;
    widget.screen = std::move(screen);
    widget.x = x;
    widget.y = y;
    return widget;
}

TEST(PlacedWidgets, OnOutputsOfTheirOwnAWidgetKeepsToItsOutputByNameOrComesToOneThatIsThere)
{
    // The second output left of the first, as a layout may have it.
    const std::vector<NamedOutput> outputs {
        {"DP-1", {0, 0, 1920, 1080}}, {"HDMI-A-1", {-1280, 0, 1280, 1024}}};
    const SizeF medium {344, 164};
    struct Row {
        const char* what;
        PlacedWidget placed;
        OutputPlace expected;
    };
    const Row rows[] = {
        {"on its output", placedAt("HDMI-A-1", 40, 60), {1, {40, 60}, true}},
        // Kept as it is: it goes back there when the output is as large as it was.
        {"past the edges of its output", placedAt("HDMI-A-1", 1200, 1000), {1, {1200, 1000}, true}},
        {"a desktop corner: on the output that holds it", placedAt("", -1000, 500), {1, {280, 500}, true}},
        {"a desktop corner past every output: on the nearest, whole", placedAt("", 5000, 20),
            {0, {1920 - 344, 20}, true}},
        {"on an output that is gone: on the first meanwhile", placedAt("DP-2", 40, 60), {0, {40, 60}, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(placeOnOutputs(row.placed, medium, outputs), row.expected);
    }
    EXPECT_EQ(placeOnOutputs(placedAt("DP-1", 0, 0), medium, {}), std::nullopt);
}

TEST(PlacedWidgets, ADesktopCornerOnAnOutputsRightOrBottomEdgeIsOnTheOutputTheWidgetLiesOn)
{
    // A second output right of the first, and a third under it.
    const std::vector<NamedOutput> outputs {
        {"DP-1", {0, 0, 1920, 1080}}, {"HDMI-A-1", {1920, 0, 1280, 1024}}, {"DP-2", {1920, 1024, 1280, 720}}};
    const SizeF medium {344, 164};
    struct Row {
        const char* what;
        PlacedWidget placed;
        OutputPlace expected;
    };
    const Row rows[] = {
        {"on the first output's right edge", placedAt("", 1920, 100), {1, {0, 100}, true}},
        {"on the second output's bottom edge", placedAt("", 2000, 1024), {2, {80, 0}, true}},
        {"across two outputs, mostly on the second", placedAt("", 1800, 100), {1, {0, 100}, true}},
        {"across two outputs, mostly on the first", placedAt("", 1700, 100), {0, {1576, 100}, true}},
        {"its corner above every output, the widget mostly on the second", placedAt("", 1900, -50),
            {1, {0, 0}, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(placeOnOutputs(row.placed, medium, outputs), row.expected);
    }
}

TEST(DesktopChoice, LayerSurfacesWhereOfferedElseX11WindowsOnTheRightQtPlatformElseTheReason)
{
    const auto facts
        = [](bool wayland, bool layerShell, bool x11, bool qtPlatformChosen, std::string problem = {}) {
              DesktopFacts made;
              made.waylandSession = wayland;
              made.layerShellOffered = layerShell;
              made.waylandProblem = std::move(problem);
              made.x11Display = x11;
              made.qtPlatformChosen = qtPlatformChosen;
              return made;
          };
    struct Row {
        DesktopFacts facts;
        DesktopKind kind;
        std::string qtPlatform;
    };
    const Row rows[] = {
        {facts(true, true, true, false), DesktopKind::layerShell, ""},
        // Mutter: XWayland, with Qt kept off its Wayland platform unless the user chose one.
        {facts(true, false, true, false), DesktopKind::windows, "xcb"},
        {facts(true, false, true, true), DesktopKind::windows, ""},
        {facts(true, false, false, false), DesktopKind::none, ""},
        {facts(false, false, true, false), DesktopKind::windows, ""},
        {facts(false, false, false, true), DesktopKind::windows, ""},
        {facts(false, false, false, false), DesktopKind::none, ""},
    };
    for (const Row& row : rows) {
        const DesktopChoice choice = chooseDesktop(row.facts);
        EXPECT_EQ(choice.kind, row.kind) << choice.message;
        EXPECT_EQ(choice.qtPlatform, row.qtPlatform) << choice.message;
        EXPECT_FALSE(choice.message.empty());
    }
    // A compositor that could not be reached is named as the reason, not a missing layer shell.
    const DesktopChoice unreachable
        = chooseDesktop(facts(true, false, false, false, "cannot connect to wayland-9"));
    EXPECT_NE(unreachable.message.find("cannot connect to wayland-9"), std::string::npos)
        << unreachable.message;
    EXPECT_NE(unreachable.message.find("DISPLAY is not set"), std::string::npos) << unreachable.message;
}

} // namespace
} // namespace quillon::widgethost
