// A pointer and a finger for the tests under KWin, whose headless seat has neither: KDE's fake-input
// protocol (org_kde_kwin_fake_input), driven by lines on standard input. KWin lets any client bind it
// when started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
//
//   usage: quillon-fake-input
//   move X Y          the pointer to X,Y (absolute motion, in the layout's logical points)
//   by DX DY          the pointer by DX,DY (relative motion, as a mouse moves it)
//   press left|right | release left|right
//   touch down X Y | touch move X Y | touch up      one finger, each a frame of its own
//   quit
//
// Each line is answered with "ok" once the compositor has handled it, or "error: …".
#include "fake-input-client.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Touch (2) and absolute motion (3) came after the first version.
constexpr std::uint32_t kNeededVersion = 3;
constexpr std::uint32_t kFinger = 0;

struct Globals {
    org_kde_kwin_fake_input* input = nullptr;
    std::uint32_t version = 0;
};

void global(
    void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0 || globals->input)
        return;
    globals->version = std::min<std::uint32_t>(version, 4);
    globals->input = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, globals->version));
}

void globalRemove(void*, wl_registry*, std::uint32_t)
{
}

// The request one line asks for; false, with what was wrong, when it names none.
bool send(org_kde_kwin_fake_input* input, const std::string& line, std::string& problem)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    double x = 0;
    double y = 0;
    if (command == "move" || command == "by") {
        if (!(words >> x >> y)) {
            problem = "'" + command + "' needs two numbers";
            return false;
        }
        if (command == "move")
            org_kde_kwin_fake_input_pointer_motion_absolute(
                input, wl_fixed_from_double(x), wl_fixed_from_double(y));
        else
            org_kde_kwin_fake_input_pointer_motion(input, wl_fixed_from_double(x), wl_fixed_from_double(y));
        return true;
    }
    if (command == "press" || command == "release") {
        std::string which;
        words >> which;
        org_kde_kwin_fake_input_button(input, which == "right" ? BTN_RIGHT : BTN_LEFT,
            command == "press" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        return true;
    }
    if (command == "touch") {
        std::string what;
        words >> what;
        if (what == "up") {
            org_kde_kwin_fake_input_touch_up(input, kFinger);
        } else if ((what == "down" || what == "move") && (words >> x >> y)) {
            if (what == "down")
                org_kde_kwin_fake_input_touch_down(
                    input, kFinger, wl_fixed_from_double(x), wl_fixed_from_double(y));
            else
                org_kde_kwin_fake_input_touch_motion(
                    input, kFinger, wl_fixed_from_double(x), wl_fixed_from_double(y));
        } else {
            problem = "'touch' needs 'down X Y', 'move X Y' or 'up'";
            return false;
        }
        org_kde_kwin_fake_input_touch_frame(input);
        return true;
    }
    problem = "unknown command '" + line.substr(0, 80) + "'";
    return false;
}

} // namespace

int main(int argc, char**)
{
    if (argc != 1) {
        std::cerr << "usage: quillon-fake-input   (commands on standard input)\n";
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "error: cannot connect to the Wayland compositor\n";
        return 1;
    }
    Globals globals;
    static constexpr wl_registry_listener listener {global, globalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    wl_display_roundtrip(display);
    if (!globals.input) {
        std::cerr
            << "error: the compositor offers no org_kde_kwin_fake_input (KWin offers it to every client "
               "only with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1)\n";
        return 1;
    }
    if (globals.version < kNeededVersion) {
        std::cerr << "error: the compositor's org_kde_kwin_fake_input is version " << globals.version
                  << "; absolute motion needs " << kNeededVersion << "\n";
        return 1;
    }
    // KWin ignores every request of a client that has not said who it is.
    org_kde_kwin_fake_input_authenticate(globals.input, "quillon-fake-input", "Quillon's tests");
    if (wl_display_roundtrip(display) < 0) {
        std::cerr << "error: the compositor closed the connection when asked to authenticate\n";
        return 1;
    }
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "quit")
            break;
        std::string problem;
        if (!send(globals.input, line, problem)) {
            std::cout << "error: " << problem << std::endl;
            continue;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::cout << "error: the compositor has gone" << std::endl;
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    org_kde_kwin_fake_input_destroy(globals.input);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
