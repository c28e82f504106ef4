// How the host shows its widgets, decided once at start from what the session offers: layer
// surfaces where the Wayland compositor has the layer shell (KWin, sway, Hyprland, labwc, Wayfire,
// river, …), X11 windows elsewhere (X11 sessions, and through XWayland under compositors without it,
// such as GNOME's Mutter), or nothing, with the reason.
#pragma once

#include <string>

namespace quillon::widgethost {

enum class DesktopKind { layerShell, windows, none };

struct DesktopFacts {
    bool waylandSession = false; // WAYLAND_DISPLAY is set
    bool layerShellOffered = false; // the compositor was reached and offers the layer shell
    std::string waylandProblem; // why the compositor could not be reached, if it could not
    bool x11Display = false; // DISPLAY is set: an X server, or XWayland
    bool qtPlatformChosen = false; // the user set QT_QPA_PLATFORM
};

struct DesktopChoice {
    DesktopKind kind = DesktopKind::none;
    // The Qt platform to set before the application object exists; empty leaves Qt's own choice.
    std::string qtPlatform;
    // One line for the log: the choice and why, or what is missing.
    std::string message;
    bool operator==(const DesktopChoice&) const = default;
};

DesktopChoice chooseDesktop(const DesktopFacts& facts);

} // namespace quillon::widgethost
