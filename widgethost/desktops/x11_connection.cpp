#include "widgethost/desktops/x11_connection.h"

#include <QGuiApplication>

#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace quillon::widgethost {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name)
{
    static std::mutex guard;
    static std::map<std::pair<xcb_connection_t*, std::string>, xcb_atom_t> known;
    const std::lock_guard lock(guard);
    std::pair<xcb_connection_t*, std::string> key {connection, std::string(name)};
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    // A server that did not answer is asked again next time.
    if (result != XCB_ATOM_NONE)
        known.emplace(std::move(key), result);
    return result;
}

std::vector<std::uint32_t> property(
    xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    constexpr std::uint32_t kMostItems = 4096;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, kMostItems), nullptr);
    std::vector<std::uint32_t> items;
    if (reply && reply->format == 32) {
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        items.assign(values, values + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return items;
}

} // namespace quillon::widgethost
