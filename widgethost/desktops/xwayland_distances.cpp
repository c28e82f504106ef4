// Raw motion from Qt's X11 connection, read beside Qt.
#include "widgethost/desktops/xwayland_distances.h"

#include "widgethost/desktops/x11_connection.h"

#include <QCoreApplication>

#include <xcb/xinput.h>

#include <cstdlib>

namespace quillon::widgethost {
namespace {

constexpr std::uint32_t kLeftButton = 1;

template <typename Reply> struct Freed {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, Freed<Reply>>;

using DevicesReply = ReplyPointer<xcb_input_xi_query_device_reply_t>;

DevicesReply queryDevices(xcb_connection_t* connection, xcb_input_device_id_t device)
{
    return DevicesReply(
        xcb_input_xi_query_device_reply(connection, xcb_input_xi_query_device(connection, device), nullptr));
}

double valueOf(const xcb_input_fp3232_t& value)
{
    return double(value.integral) + double(value.frac) / 4294967296.0;
}

// Adds raw motion to what the root window tells this client, keeping what Qt asked for there.
void hearRawMotion(xcb_connection_t* connection, xcb_window_t root)
{
    std::uint32_t mask = XCB_INPUT_XI_EVENT_MASK_RAW_MOTION;
    const ReplyPointer<xcb_input_xi_get_selected_events_reply_t> selected(
        xcb_input_xi_get_selected_events_reply(
            connection, xcb_input_xi_get_selected_events(connection, root), nullptr));
    if (selected) {
        for (auto masks = xcb_input_xi_get_selected_events_masks_iterator(selected.get()); masks.rem;
             xcb_input_event_mask_next(&masks)) {
            if (masks.data->deviceid == XCB_INPUT_DEVICE_ALL_MASTER && masks.data->mask_len > 0)
                mask |= *xcb_input_event_mask_mask(masks.data);
        }
    }
    struct {
        xcb_input_event_mask_t header;
        std::uint32_t bits;
    } selection {{XCB_INPUT_DEVICE_ALL_MASTER, 1}, mask};
    xcb_input_xi_select_events(connection, root, 1, &selection.header);
    xcb_flush(connection);
}

} // namespace

std::unique_ptr<XWaylandDistances> XWaylandDistances::start()
{
    xcb_connection_t* connection = x11Connection();
    // The X server of a program in a Wayland session is XWayland (the way the host chose its desktop).
    if (!connection || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(connection, &xcb_input_id);
    if (!input || !input->present)
        return nullptr;
    hearRawMotion(connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root);
    auto distances = std::unique_ptr<XWaylandDistances>(new XWaylandDistances(input->major_opcode));
    QCoreApplication::instance()->installNativeEventFilter(distances.get());
    return distances;
}

XWaylandDistances::XWaylandDistances(std::uint8_t inputOpcode)
    : m_inputOpcode(inputOpcode)
{
}

XWaylandDistances::~XWaylandDistances()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XWaylandDistances::movesByDistances(std::uint16_t device)
{
    if (const auto known = m_relativeDevices.find(device); known != m_relativeDevices.end())
        return known->second;
    bool relative = false;
    xcb_connection_t* connection = x11Connection();
    if (const DevicesReply reply = queryDevices(connection, device)) {
        for (auto infos = xcb_input_xi_query_device_infos_iterator(reply.get()); infos.rem;
             xcb_input_xi_device_info_next(&infos)) {
            for (auto classes = xcb_input_xi_device_info_classes_iterator(infos.data); classes.rem;
                 xcb_input_device_class_next(&classes)) {
                if (classes.data->type != XCB_INPUT_DEVICE_CLASS_TYPE_VALUATOR)
                    continue;
                const auto* valuator = reinterpret_cast<const xcb_input_valuator_class_t*>(classes.data);
                if (valuator->number <= 1)
                    relative = valuator->mode == XCB_INPUT_VALUATOR_MODE_RELATIVE;
            }
        }
    }
    m_relativeDevices[device] = relative;
    return relative;
}

bool XWaylandDistances::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_ge_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_GE_GENERIC || event->extension != m_inputOpcode)
        return false;
    switch (event->event_type) {
    case XCB_INPUT_BUTTON_PRESS:
        if (static_cast<const xcb_input_button_press_event_t*>(message)->detail == kLeftButton) {
            m_leftHeld = true;
            m_sinceLeftPress.reset();
        }
        break;
    case XCB_INPUT_BUTTON_RELEASE:
        if (static_cast<const xcb_input_button_release_event_t*>(message)->detail == kLeftButton)
            m_leftHeld = false;
        break;
    case XCB_INPUT_RAW_MOTION: {
        auto* raw = static_cast<xcb_input_raw_motion_event_t*>(message);
        if (!m_leftHeld || !movesByDistances(raw->sourceid))
            break;
        // The axes present are listed in order; the first two of a pointer are across and down.
        const std::uint32_t* present = xcb_input_raw_button_press_valuator_mask(raw);
        const int words = xcb_input_raw_button_press_valuator_mask_length(raw);
        const xcb_input_fp3232_t* values = xcb_input_raw_button_press_axisvalues(raw);
        QPointF by;
        int valueIndex = 0;
        for (int axis = 0; axis < 2 && axis < words * 32; ++axis) {
            if (!(present[0] & (1u << axis)))
                continue;
            (axis == 0 ? by.rx() : by.ry()) = valueOf(values[valueIndex++]);
        }
        m_sinceLeftPress = m_sinceLeftPress.value_or(QPointF()) + by;
        emit moved();
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace quillon::widgethost
