// Following the pointer over a moving surface.
#include "widgethost/layer_shell/surface_pointer.h"

namespace quillon::widgethost {

std::optional<QPoint> SurfacePointer::moved(QPointF local, QPoint corner)
{
    m_local = local;
    if (m_followingDistances)
        return std::nullopt;
    return onOutput(corner);
}

QPoint SurfacePointer::movedBy(QPointF by)
{
    m_followingDistances = true;
    m_followed += by;
    return m_followed.toPoint();
}

QPoint SurfacePointer::pressed(QPoint corner)
{
    m_followingDistances = false;
    m_followed = corner + m_local;
    return onOutput(corner);
}

QPoint SurfacePointer::released(QPoint corner) const
{
    return m_followingDistances ? m_followed.toPoint() : onOutput(corner);
}

} // namespace quillon::widgethost
