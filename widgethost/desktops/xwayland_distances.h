// How far the pointer has moved since the last left press, as XWayland hears it from the compositor.
//
// Under XWayland a pointer event's point on the desktop is the point over the window that the
// compositor sends plus where XWayland believes the window is. While a widget is dragged, the
// compositor shows the window at its new place a moment before XWayland hears of it, and a point in
// between is off by the last step; when the pointer stops then, nothing sets it right, and the widget
// stays short of the pointer. The distances a mouse or a touchpad moves by are the compositor's own,
// counted from no window, and XWayland passes them on as raw motion of a device of relative axes.
// Devices that tell only where they are (tablets, touchscreens) have no such distances.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointF>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

namespace quillon::widgethost {

class XWaylandDistances final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // A watch on Qt's X11 connection when its server is XWayland; null elsewhere, where the points
    // in the pointer's events are right throughout.
    static std::unique_ptr<XWaylandDistances> start();
    ~XWaylandDistances() override;
    XWaylandDistances(const XWaylandDistances&) = delete;
    XWaylandDistances& operator=(const XWaylandDistances&) = delete;

    // The distance since the last left press, in the order the server sent the events (Qt may hand a
    // widget its press after the motion that followed it); nothing while no distance has come since.
    std::optional<QPointF> sinceLeftPress() const { return m_sinceLeftPress; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // A distance has come since the last left press.
    void moved();

private:
    XWaylandDistances(std::uint8_t inputOpcode);
    bool movesByDistances(std::uint16_t device);

    std::uint8_t m_inputOpcode;
    std::map<std::uint16_t, bool> m_relativeDevices;
    bool m_leftHeld = false;
    std::optional<QPointF> m_sinceLeftPress;
};

} // namespace quillon::widgethost
