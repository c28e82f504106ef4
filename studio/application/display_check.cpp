// Qt 6.4 lists the platforms it tries from WAYLAND_DISPLAY, XDG_SESSION_TYPE and the desktop (on
// GNOME, X11 alone), not from which display answers; where only one of the two answers, the studio
// names that one for it, so that a list without it does not end in Qt's abort. The X server is tried
// through libxcb, loaded when needed, as Qt's X11 platform reaches it (authorization included): the
// studio does not link it.
#include "studio/application/display_check.h"

#include "platform/command_line/echoed_value.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quillon {
namespace {

constexpr std::string_view kNoDisplay = "no graphical display to open the studio on";

bool opens(const DisplayProbe& probe)
{
    return probe.state == DisplayProbe::reachable || probe.state == DisplayProbe::unknown;
}

// Why a display does not open, such as "DISPLAY ':99' names an X display that cannot be opened:
// no X server answers there, or it refuses the connection".
std::string why(const DisplayProbe& probe, std::string_view variable, std::string_view what)
{
    if (probe.state == DisplayProbe::unset)
        return std::string(variable) + " is not set";
    return probe.source + " '" + echoedValue(probe.name) + "' names " + std::string(what) + ": "
        + probe.problem;
}

std::string whyNotWayland(const DisplayProbe& probe)
{
    return why(probe, "WAYLAND_DISPLAY", "a Wayland compositor that cannot be reached");
}

std::string whyNotX11(const DisplayProbe& probe)
{
    return why(probe, "DISPLAY", "an X display that cannot be opened");
}

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The platform names of a list such as "wayland;xcb:option", lower-cased as Qt reads them.
std::vector<std::string> platformNames(const std::string& list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        std::string entry = list.substr(start, end - start);
        entry = entry.substr(0, entry.find(':'));
        for (char& character : entry) {
            if (character >= 'A' && character <= 'Z')
                character = static_cast<char>(character - 'A' + 'a');
        }
        if (!entry.empty())
            names.push_back(entry);
        start = end + 1;
    }
    return names;
}

} // namespace

DisplaysToTry displaysToTry(const std::string& qtPlatform)
{
    if (qtPlatform.empty())
        return {true, true};
    DisplaysToTry displays;
    for (const std::string& name : platformNames(qtPlatform)) {
        if (name.starts_with("wayland"))
            displays.wayland = true;
        else if (name == "xcb")
            displays.x11 = true;
        else
            return {}; // offscreen, minimal, vnc, eglfs, …: one of them may start without either
    }
    return displays;
}

DisplayChoice chooseStudioDisplay(const DisplayFacts& facts)
{
    const std::string noDisplay(kNoDisplay);
    if (!facts.qtPlatform.empty()) {
        // The user's choice stands; it is refused only when it needs displays that do not open.
        const DisplaysToTry needed = displaysToTry(facts.qtPlatform);
        if ((!needed.wayland && !needed.x11) || (needed.wayland && opens(facts.wayland))
            || (needed.x11 && opens(facts.x11)))
            return {true, {}, {}};
        std::string reasons;
        if (needed.wayland)
            reasons = whyNotWayland(facts.wayland);
        if (needed.x11)
            reasons += (reasons.empty() ? "" : "; ") + whyNotX11(facts.x11);
        return {false, {},
            noDisplay + " (" + facts.qtPlatformSource + " chooses '" + echoedValue(facts.qtPlatform)
                + "', and " + reasons + ")"};
    }
    if (facts.wayland.state == DisplayProbe::unset && facts.x11.state == DisplayProbe::unset)
        return {false, {}, noDisplay + " (neither DISPLAY nor WAYLAND_DISPLAY is set)"};
    const bool wayland = opens(facts.wayland);
    const bool x11 = opens(facts.x11);
    if (wayland && x11)
        return {true, {}, {}};
    if (wayland)
        return {true, "wayland", {}};
    if (x11)
        return {true, "xcb", {}};
    return {false, {}, noDisplay + " (" + whyNotWayland(facts.wayland) + "; " + whyNotX11(facts.x11) + ")"};
}

DisplayProbe probeWaylandDisplay(const std::string& waylandDisplay, const std::string& runtimeFolder)
{
    DisplayProbe probe {DisplayProbe::unset, "WAYLAND_DISPLAY", waylandDisplay, {}};
    if (waylandDisplay.empty())
        return probe;
    // As libwayland finds the socket: the name is a path, or a name in the runtime folder.
    std::string path = waylandDisplay;
    if (!path.starts_with('/')) {
        if (runtimeFolder.empty()) {
            probe.state = DisplayProbe::unreachable;
            probe.problem = "XDG_RUNTIME_DIR, the folder of its socket, is not set";
            return probe;
        }
        path = runtimeFolder + "/" + waylandDisplay;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        probe.state = DisplayProbe::unreachable;
        probe.problem = "the path of its socket is too long";
        return probe;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        probe.state = DisplayProbe::unknown;
        probe.problem = std::strerror(errno);
        return probe;
    }
    const int connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(fd);
    if (connected == 0) {
        probe.state = DisplayProbe::reachable;
    } else {
        // Interrupted, the attempt says nothing either way.
        probe.state = error == EINTR ? DisplayProbe::unknown : DisplayProbe::unreachable;
        probe.problem = std::strerror(error);
    }
    return probe;
}

namespace {

struct HeldConnection {
    void* connection = nullptr;
    void (*disconnect)(void*) = nullptr;
};

HeldConnection& heldX11Connection()
{
    static HeldConnection held;
    return held;
}

} // namespace

void letGoOfDisplayProbes()
{
    HeldConnection& held = heldX11Connection();
    if (held.connection)
        held.disconnect(held.connection);
    held = {};
}

DisplayProbe probeX11Display(const std::string& display, const std::string& source)
{
    DisplayProbe probe {DisplayProbe::unset, source, display, {}};
    if (display.empty())
        return probe;
    // libxcb's own declarations, of the three functions used.
    using Connect = void* (*)(const char* displayName, int* screen);
    using HasError = int (*)(void* connection);
    using Disconnect = void (*)(void* connection);
    static void* const library = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    const auto connect = library ? reinterpret_cast<Connect>(::dlsym(library, "xcb_connect")) : nullptr;
    const auto hasError
        = library ? reinterpret_cast<HasError>(::dlsym(library, "xcb_connection_has_error")) : nullptr;
    const auto disconnect
        = library ? reinterpret_cast<Disconnect>(::dlsym(library, "xcb_disconnect")) : nullptr;
    if (!connect || !hasError || !disconnect) {
        probe.state = DisplayProbe::unknown;
        probe.problem = "libxcb.so.1 could not be loaded to try it";
        return probe;
    }
    // A server resetting after its last client left refuses connections for a moment: a refusal
    // is tried again for up to a second before it counts.
    constexpr int kAttempts = 5;
    void* connection = nullptr;
    int error = 0;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        connection = connect(display.c_str(), nullptr);
        error = hasError(connection);
        if (error != 1 /* XCB_CONN_ERROR */ || attempt == kAttempts)
            break;
        disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    // An X server with no other client (Xvfb, a bare Xorg) resets when the last one leaves, and
    // refuses connections while it does: Qt's connection, made a moment later, failed. The probe's
    // stays until Qt's is made.
    if (error == 0 && !heldX11Connection().connection)
        heldX11Connection() = {connection, disconnect};
    else
        disconnect(connection);
    if (error == 0) {
        probe.state = DisplayProbe::reachable;
        return probe;
    }
    probe.state = DisplayProbe::unreachable;
    switch (error) {
    case 1: // XCB_CONN_ERROR
        probe.problem = "no X server answers there, or it refuses the connection";
        break;
    case 5: // XCB_CONN_CLOSED_PARSE_ERR
        probe.problem = "it is not an X display name";
        break;
    case 6: // XCB_CONN_CLOSED_INVALID_SCREEN
        probe.problem = "the X server has no such screen";
        break;
    default:
        probe.problem = "the connection failed (libxcb error " + std::to_string(error) + ")";
        break;
    }
    return probe;
}

DisplayFacts sessionDisplayFacts(
    const std::optional<std::string>& platformArgument, const std::optional<std::string>& displayArgument)
{
    DisplayFacts facts;
    // Qt reads -platform over QT_QPA_PLATFORM, and the variable only when it is not empty.
    if (platformArgument && !platformArgument->empty()) {
        facts.qtPlatform = *platformArgument;
        facts.qtPlatformSource = "-platform";
    } else {
        facts.qtPlatform = environmentValue("QT_QPA_PLATFORM");
        facts.qtPlatformSource = "QT_QPA_PLATFORM";
    }
    const DisplaysToTry needed = displaysToTry(facts.qtPlatform);

    const std::string waylandSocket = environmentValue("WAYLAND_SOCKET");
    const std::string waylandDisplay = environmentValue("WAYLAND_DISPLAY");
    if (!waylandSocket.empty()) {
        // A connection handed over by a compositor that started the studio: it cannot be tried
        // without being taken.
        facts.wayland = {DisplayProbe::unknown, "WAYLAND_SOCKET", waylandSocket, {}};
    } else if (needed.wayland) {
        facts.wayland = probeWaylandDisplay(waylandDisplay, environmentValue("XDG_RUNTIME_DIR"));
    } else if (!waylandDisplay.empty()) {
        facts.wayland = {DisplayProbe::unknown, "WAYLAND_DISPLAY", waylandDisplay, {}};
    }

    const bool displayGiven = displayArgument && !displayArgument->empty();
    const std::string x11Display = displayGiven ? *displayArgument : environmentValue("DISPLAY");
    const std::string x11Source = displayGiven ? "-display" : "DISPLAY";
    if (needed.x11)
        facts.x11 = probeX11Display(x11Display, x11Source);
    else if (!x11Display.empty())
        facts.x11 = {DisplayProbe::unknown, x11Source, x11Display, {}};
    return facts;
}

} // namespace quillon
