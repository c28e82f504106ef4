// A pointer for the tests on a headless compositor, whose seat has none: a virtual pointer made with
// the compositor's virtual-pointer protocol, driven by lines on standard input.
//
//   usage: quillon-virtual-pointer WIDTH HEIGHT   (the layout's size, which "move" points are in)
//   move X Y | press left|right | release left|right | quit
//
// Each line is answered with "ok" once the compositor has handled it, or "error: …".
#include "virtual_pointer-client.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void globalRemove(void*, wl_registry*, std::uint32_t)
{
}

std::uint32_t milliseconds()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: quillon-virtual-pointer WIDTH HEIGHT\n";
        return 2;
    }
    const std::uint32_t width = static_cast<std::uint32_t>(std::stoul(argv[1]));
    const std::uint32_t height = static_cast<std::uint32_t>(std::stoul(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "error: cannot connect to the Wayland compositor\n";
        return 1;
    }
    Globals globals;
    static constexpr wl_registry_listener listener {global, globalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    wl_display_roundtrip(display);
    if (!globals.manager) {
        std::cerr << "error: the compositor offers no zwlr_virtual_pointer_manager_v1\n";
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer
        = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "quit")
            break;
        if (command == "move") {
            std::uint32_t x = 0;
            std::uint32_t y = 0;
            words >> x >> y;
            zwlr_virtual_pointer_v1_motion_absolute(pointer, milliseconds(), x, y, width, height);
        } else if (command == "press" || command == "release") {
            std::string which;
            words >> which;
            const std::uint32_t button = which == "right" ? BTN_RIGHT : BTN_LEFT;
            zwlr_virtual_pointer_v1_button(pointer, milliseconds(), button,
                command == "press" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        } else {
            std::cout << "error: unknown command '" << line.substr(0, 80) << "'" << std::endl;
            continue;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0) {
            std::cout << "error: the compositor has gone" << std::endl;
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
