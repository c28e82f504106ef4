// Whether the studio opens, on which of the session's displays, and the one line it says when it
// cannot; and the connection attempts that the decision is made from.
#include "studio/application/display_check.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillon {
namespace {

DisplayProbe waylandAt(DisplayProbe::State state, std::string problem = {})
{
    return {state, "WAYLAND_DISPLAY", "wayland-9", std::move(problem)};
}

DisplayProbe x11At(DisplayProbe::State state, std::string problem = {})
{
    return {state, "DISPLAY", ":99", std::move(problem)};
}

DisplayFacts facts(DisplayProbe wayland, DisplayProbe x11, std::string qtPlatform = {},
    std::string qtPlatformSource = "QT_QPA_PLATFORM")
{
    return {std::move(qtPlatform), std::move(qtPlatformSource), std::move(wayland), std::move(x11)};
}

TEST(StudioDisplay, QtGetsTheOneDisplayThatOpensTheUsersChoiceStandsAndWithoutEitherTheReasonIsOneLine)
{
    const DisplayProbe noWayland;
    const DisplayProbe noX11;
    const DisplayProbe wayland = waylandAt(DisplayProbe::reachable);
    const DisplayProbe x11 = x11At(DisplayProbe::reachable);
    const DisplayProbe deadWayland = waylandAt(DisplayProbe::unreachable, "No such file or directory");
    const DisplayProbe deadX11 = x11At(DisplayProbe::unreachable, "no X server answers there");
    const std::string noDisplay = "no graphical display to open the studio on ";
    struct Row {
        const char* description;
        DisplayFacts facts;
        DisplayChoice expected;
    };
    const Row rows[] = {
        {"nothing named", facts(noWayland, noX11),
            {false, "", noDisplay + "(neither DISPLAY nor WAYLAND_DISPLAY is set)"}},
        {"both open: Qt's own choice", facts(wayland, x11), {true, "", ""}},
        {"Wayland alone", facts(wayland, noX11), {true, "wayland", ""}},
        {"X11 alone", facts(noWayland, x11), {true, "xcb", ""}},
        {"a stale DISPLAY beside a compositor", facts(wayland, deadX11), {true, "wayland", ""}},
        {"a stale WAYLAND_DISPLAY beside an X server", facts(deadWayland, x11), {true, "xcb", ""}},
        // Without libxcb to try it, the X server is left for Qt to try.
        {"an X server that could not be tried", facts(deadWayland, x11At(DisplayProbe::unknown)),
            {true, "xcb", ""}},
        {"an X server that does not answer", facts(noWayland, deadX11),
            {false, "",
                noDisplay
                    + "(WAYLAND_DISPLAY is not set; DISPLAY ':99' names an X display that cannot be opened: "
                      "no X server answers there)"}},
        {"neither answers", facts(deadWayland, deadX11),
            {false, "",
                noDisplay
                    + "(WAYLAND_DISPLAY 'wayland-9' names a Wayland compositor that cannot be reached: "
                      "No such file or directory; DISPLAY ':99' names an X display that cannot be "
                      "opened: no X server answers there)"}},
        // The user's choice of platform is never replaced, and refused only when the displays it
        // needs do not open.
        {"offscreen, with no display", facts(noWayland, noX11, "offscreen"), {true, "", ""}},
        {"vnc with its options", facts(noWayland, deadX11, "vnc:size=800x600"), {true, "", ""}},
        {"a list that ends in offscreen", facts(deadWayland, noX11, "wayland;offscreen"), {true, "", ""}},
        {"a list of the two, the X server open", facts(noWayland, x11, "wayland;xcb"), {true, "", ""}},
        {"X11 in capitals, with an option", facts(noWayland, x11, "XCB:nograb"), {true, "", ""}},
        {"X11 without DISPLAY", facts(wayland, noX11, "xcb"),
            {false, "", noDisplay + "(QT_QPA_PLATFORM chooses 'xcb', and DISPLAY is not set)"}},
        {"Wayland's EGL platform, the compositor gone", facts(deadWayland, x11, "wayland-egl", "-platform"),
            {false, "",
                noDisplay
                    + "(-platform chooses 'wayland-egl', and WAYLAND_DISPLAY 'wayland-9' names a Wayland "
                      "compositor that cannot be reached: No such file or directory)"}},
        {"a list of the two, neither named", facts(noWayland, noX11, "wayland;xcb"),
            {false, "",
                noDisplay
                    + "(QT_QPA_PLATFORM chooses 'wayland;xcb', and WAYLAND_DISPLAY is not set; DISPLAY "
                      "is not set)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        EXPECT_EQ(chooseStudioDisplay(row.facts), row.expected) << chooseStudioDisplay(row.facts).problem;
    }
}

// A socket bound at `path`, listening until the object goes unless `listening` is false: then it
// is closed at once, leaving a socket file that refuses connections.
class UnixListener {
public:
    UnixListener(const std::filesystem::path& path, bool listening)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const std::string text = path.string();
        if (text.size() >= sizeof address.sun_path)
            return;
        std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        m_ready = m_fd >= 0 && ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
            && ::listen(m_fd, 4) == 0;
        if (!listening && m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~UnixListener()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    UnixListener(const UnixListener&) = delete;
    UnixListener& operator=(const UnixListener&) = delete;
    bool ready() const { return m_ready; }

private:
    int m_fd = -1;
    bool m_ready = false;
};

TEST(StudioDisplay, TheCompositorIsFoundAsLibwaylandFindsItAndTriedByConnecting)
{
    const testing::ScratchFolder runtime("display_check_test");
    ASSERT_FALSE(runtime.path().empty());
    const UnixListener compositor(runtime.path() / "wayland-7", true);
    ASSERT_TRUE(compositor.ready());
    const UnixListener gone(runtime.path() / "wayland-8", false);
    ASSERT_TRUE(gone.ready());
    const std::string folder = runtime.path().string();
    struct Row {
        std::string waylandDisplay;
        std::string runtimeFolder;
        DisplayProbe::State state;
        std::string problem;
    };
    const Row rows[] = {
        {"", folder, DisplayProbe::unset, ""},
        {"wayland-7", folder, DisplayProbe::reachable, ""},
        {folder + "/wayland-7", "", DisplayProbe::reachable, ""},
        {"wayland-6", folder, DisplayProbe::unreachable, std::strerror(ENOENT)},
        {"wayland-8", folder, DisplayProbe::unreachable, std::strerror(ECONNREFUSED)},
        {"wayland-7", "", DisplayProbe::unreachable, "XDG_RUNTIME_DIR, the folder of its socket, is not set"},
        {"/" + std::string(200, 'w'), "", DisplayProbe::unreachable, "the path of its socket is too long"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.waylandDisplay + " in '" + row.runtimeFolder + "'");
        const DisplayProbe probe = probeWaylandDisplay(row.waylandDisplay, row.runtimeFolder);
        EXPECT_EQ(probe.state, row.state) << probe.problem;
        EXPECT_EQ(probe.problem, row.problem);
        EXPECT_EQ(probe.source, "WAYLAND_DISPLAY");
        EXPECT_EQ(probe.name, row.waylandDisplay);
    }
}

TEST(StudioDisplay, AnXDisplayThatIsNotOneIsSaidToBeNone)
{
    EXPECT_EQ(probeX11Display("", "DISPLAY").state, DisplayProbe::unset);
    // libxcb reads the name before it connects to anything: no X server is needed for this.
    const DisplayProbe probe = probeX11Display("no display here", "-display");
    EXPECT_EQ(probe.state, DisplayProbe::unreachable) << probe.problem;
    EXPECT_EQ(probe.problem, "it is not an X display name");
    EXPECT_EQ(probe.source, "-display");
}

} // namespace
} // namespace quillon
