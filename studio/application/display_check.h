// Whether the studio has a display to open on, told before the application object exists: Qt ends
// the program with an abort, and a page of advice about reinstalling it, when its platform cannot
// start. The compositor and the X server named are tried the way Qt would connect to them.
#pragma once

#include <optional>
#include <string>

namespace quillon {

struct DisplayProbe {
    enum State {
        unset, // nothing names one
        reachable,
        unreachable,
        unknown, // named, but it could not be tried: Qt will see
    };
    State state = unset;
    std::string source; // what names it: "WAYLAND_DISPLAY", "DISPLAY", "-display"
    std::string name; // as named
    std::string problem; // why it cannot be reached
    bool operator==(const DisplayProbe&) const = default;
};

struct DisplayFacts {
    // The Qt platform the user chose, as a list such as "wayland;xcb" may give it; empty for Qt's
    // own choice.
    std::string qtPlatform;
    std::string qtPlatformSource; // "-platform" or "QT_QPA_PLATFORM"
    DisplayProbe wayland;
    DisplayProbe x11;
};

struct DisplayChoice {
    bool canOpen = false;
    // The Qt platform to give the application, when only one of two displays would open; empty
    // leaves Qt its own choice.
    std::string qtPlatform;
    // When the studio cannot open: one line, such as "no graphical display to open the studio on
    // (neither DISPLAY nor WAYLAND_DISPLAY is set)".
    std::string problem;
    bool operator==(const DisplayChoice&) const = default;
};

DisplayChoice chooseStudioDisplay(const DisplayFacts& facts);

// Which displays a platform choice needs tried: both for Qt's own choice (an empty one), none when
// it names a platform that needs neither, such as offscreen or vnc.
struct DisplaysToTry {
    bool wayland = false;
    bool x11 = false;
};
DisplaysToTry displaysToTry(const std::string& qtPlatform);

// This session's facts: the environment and Qt's -platform and -display arguments, with the
// compositor and the X server that the choice needs tried, each connected to and let go at once.
DisplayFacts sessionDisplayFacts(
    const std::optional<std::string>& platformArgument, const std::optional<std::string>& displayArgument);

// The one connection attempt of each, for tests too. An X server that answered keeps the probe's
// connection until letGoOfDisplayProbes().
DisplayProbe probeWaylandDisplay(const std::string& waylandDisplay, const std::string& runtimeFolder);
DisplayProbe probeX11Display(const std::string& display, const std::string& source);

// Closes the connection a probe kept, once the application's own connection is made.
void letGoOfDisplayProbes();

} // namespace quillon
