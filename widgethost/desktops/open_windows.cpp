// Reading the window manager's client lists and each client's workspace, type, state and frame with
// xcb.
#include "widgethost/desktops/open_windows.h"

#include "widgethost/desktops/x11_connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace quillon::widgethost {
namespace {

bool contains(const std::vector<std::uint32_t>& items, std::uint32_t item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

} // namespace

std::vector<QRect> openWindowFrames(const std::vector<WId>& own)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t windowType = internAtom(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t desktopType = internAtom(connection, "_NET_WM_WINDOW_TYPE_DESKTOP");
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t hidden = internAtom(connection, "_NET_WM_STATE_HIDDEN");
    const xcb_atom_t workspace = internAtom(connection, "_NET_WM_DESKTOP");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<std::uint32_t> current
        = property(connection, root, internAtom(connection, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);
    // X11 counts device pixels; Qt places windows in device-independent ones.
    const double ratio
        = qGuiApp && qGuiApp->primaryScreen() ? qGuiApp->primaryScreen()->devicePixelRatio() : 1.0;

    std::vector<QRect> frames;
    for (const std::uint32_t client :
        property(connection, root, internAtom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
        if (std::find(own.begin(), own.end(), WId(client)) != own.end())
            continue;
        if (contains(property(connection, client, windowType, XCB_ATOM_ATOM), desktopType)
            || contains(property(connection, client, state, XCB_ATOM_ATOM), hidden))
            continue;
        const std::vector<std::uint32_t> on = property(connection, client, workspace, XCB_ATOM_CARDINAL);
        if (!on.empty() && !current.empty() && on.front() != current.front() && on.front() != 0xFFFFFFFF)
            continue;

        xcb_get_geometry_reply_t* size
            = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, client), nullptr);
        xcb_translate_coordinates_reply_t* corner = xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, client, root, 0, 0), nullptr);
        if (size && corner) {
            // The frame the window manager draws around the client: left, right, top, bottom.
            std::vector<std::uint32_t> border = property(connection, client, extents, XCB_ATOM_CARDINAL);
            border.resize(4, 0);
            const QRect frame(corner->dst_x - int(border[0]), corner->dst_y - int(border[2]),
                size->width + int(border[0] + border[1]), size->height + int(border[2] + border[3]));
            frames.push_back(QRect(QPoint(int(frame.x() / ratio), int(frame.y() / ratio)),
                QSize(int(frame.width() / ratio), int(frame.height() / ratio))));
        }
        std::free(size);
        std::free(corner);
    }
    return frames;
}

std::vector<WId> windowsUnderOtherDesktops(
    const std::vector<WId>& stacking, const std::vector<WId>& own, const std::function<bool(WId)>& isDesktop)
{
    const auto isOwn = [&own](WId window) { return std::find(own.begin(), own.end(), window) != own.end(); };
    // From the top down: an own window is covered once another desktop window has been passed.
    std::vector<WId> covered;
    bool passedOtherDesktop = false;
    for (auto window = stacking.rbegin(); window != stacking.rend(); ++window) {
        if (isOwn(*window)) {
            if (passedOtherDesktop)
                covered.push_back(*window);
        } else if (!passedOtherDesktop && std::any_of(std::next(window), stacking.rend(), isOwn)) {
            passedOtherDesktop = isDesktop(*window);
        }
    }
    std::reverse(covered.begin(), covered.end());
    return covered;
}

std::vector<WId> ownWindowsUnderOtherDesktops(const std::vector<WId>& own)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t windowType = internAtom(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t desktopType = internAtom(connection, "_NET_WM_WINDOW_TYPE_DESKTOP");
    std::vector<WId> stacking;
    for (const std::uint32_t window :
        property(connection, root, internAtom(connection, "_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW))
        stacking.push_back(window);
    return windowsUnderOtherDesktops(stacking, own, [&](WId window) {
        return contains(
            property(connection, static_cast<xcb_window_t>(window), windowType, XCB_ATOM_ATOM), desktopType);
    });
}

} // namespace quillon::widgethost
