#include "widgethost/core/desktop_choice.h"

namespace quillon::widgethost {

DesktopChoice chooseDesktop(const DesktopFacts& facts)
{
    if (facts.waylandSession && facts.layerShellOffered)
        return {DesktopKind::layerShell, {}, "widgets are layer surfaces of the Wayland compositor"};
    const std::string why = facts.waylandProblem.empty()
        ? std::string("the Wayland compositor offers no layer shell (zwlr_layer_shell_v1)")
        : facts.waylandProblem;
    if (facts.waylandSession && facts.x11Display) {
        // Qt would pick its Wayland platform, where the windows' X11 hints mean nothing.
        return {DesktopKind::windows, facts.qtPlatformChosen ? "" : "xcb",
            why + ": widgets are X11 windows through XWayland"};
    }
    if (facts.waylandSession && !facts.qtPlatformChosen) {
        return {DesktopKind::none, {},
            why + " and there is no XWayland (DISPLAY is not set): desktop widgets need one of the two"};
    }
    if (facts.x11Display)
        return {DesktopKind::windows, {}, "widgets are X11 windows"};
    if (facts.qtPlatformChosen)
        return {DesktopKind::windows, {}, "widgets are windows of the Qt platform QT_QPA_PLATFORM names"};
    return {DesktopKind::none, {},
        "there is no desktop to show widgets on: neither WAYLAND_DISPLAY nor DISPLAY is set"};
}

} // namespace quillon::widgethost
