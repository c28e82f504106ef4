// Where the pointer is on the output, from what the compositor says of it over a surface that moves
// with it. Its point on the surface plus the surface's corner serves, but a compositor tells of the
// pointer anew as the surface moves under it, while the commit that moves it is handled, and those
// events cannot be told apart from the pointer's own moves: where the compositor says how far the
// pointer moves, the point at the press followed by those distances serves instead.
#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

namespace quillon::widgethost {

// Points named `local` are in the surface's own points, `corner` is the surface's corner that the
// events are relative to, and `followingDistances` says that the compositor tells how far the pointer
// moves.
class SurfacePointer {
public:
    void entered(QPointF local) { m_local = local; }
    // Where the pointer now is on the output; nothing while distances are followed instead.
    std::optional<QPoint> moved(QPointF local, QPoint corner, bool followingDistances);
    // The pointer moved `by` points: where that takes it on the output.
    QPoint movedBy(QPointF by);
    // Where a press is on the output. The surface is still while no button is held: here the local
    // point and the corner agree, and the distances are followed from here.
    QPoint pressed(QPoint corner);
    QPoint released(QPoint corner, bool followingDistances) const;

private:
    QPoint onOutput(QPoint corner) const { return corner + m_local.toPoint(); }

    QPointF m_local;
    QPointF m_followed; // on the output, followed by distance since the last press
};

} // namespace quillon::widgethost
