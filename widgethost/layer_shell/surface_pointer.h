// Where the pointer (or a finger) is on the output, from what the compositor says of it over a surface
// that moves with it. Its point on the surface plus the surface's corner serves, counting each event
// from the corner the surface had when the compositor sent it. Where the compositor also says how far
// the pointer moves, as it does for devices that move by distances (a mouse, a touchpad), the point
// at the press followed by those distances serves instead, the surer of the two; devices that tell
// only where they are (tablets, touchscreens, a virtual machine's or a remote desktop's pointer) have
// no distances, and for them the points serve throughout.
#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

namespace quillon::widgethost {

// Points named `local` are in the surface's own points, and `corner` is the surface's corner that
// the events are relative to.
class SurfacePointer {
public:
    void entered(QPointF local) { m_local = local; }
    // Where the pointer now is on the output; nothing while distances are followed instead.
    std::optional<QPoint> moved(QPointF local, QPoint corner);
    // The pointer moved `by` points: where that takes it on the output, from the point of the last
    // press. Distances are followed from the first one after a press until the next press. A
    // compositor may tell a move's point before its distance (KWin does): both say the same.
    QPoint movedBy(QPointF by);
    // Where a press is on the output. The surface is still while no button is held: here the local
    // point and the corner agree, and the distances are followed from here.
    QPoint pressed(QPoint corner);
    QPoint released(QPoint corner) const;

private:
    QPoint onOutput(QPoint corner) const { return corner + m_local.toPoint(); }

    QPointF m_local;
    QPointF m_followed; // on the output: the last press's point and the distances since
    bool m_followingDistances = false;
};

} // namespace quillon::widgethost
