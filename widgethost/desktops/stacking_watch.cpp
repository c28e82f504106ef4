// Reading the root window's property changes from Qt's X11 events.
#include "widgethost/desktops/stacking_watch.h"

#include "widgethost/desktops/x11_connection.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdlib>
#include <utility>

namespace quillon::widgethost {
namespace {

// Long enough to take in a window manager's burst of restacking, short enough that a widget hidden
// by a click on the desktop comes back before the user looks for it.
constexpr std::chrono::milliseconds kSettle {150};

} // namespace

StackingWatch::StackingWatch(std::function<void()> changed)
    : m_changed(std::move(changed))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettle);
    QObject::connect(&m_settle, &QTimer::timeout, [this] { m_changed(); });
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    m_stacking = internAtom(connection, "_NET_CLIENT_LIST_STACKING");
    // The events a client hears from a window are its own choice, kept per client: Qt's choice for the
    // root window stays, with property changes added.
    xcb_get_window_attributes_reply_t* attributes
        = xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, m_root), nullptr);
    if (attributes && !(attributes->your_event_mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
        const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }
    std::free(attributes);
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_installed = true;
}

StackingWatch::~StackingWatch()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool StackingWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    if (change->window == m_root && change->atom == m_stacking && !m_settle.isActive())
        m_settle.start();
    return false;
}

} // namespace quillon::widgethost
