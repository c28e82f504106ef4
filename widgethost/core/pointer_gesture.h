// What a left press, the moves after it and its release mean for a widget: a click when the pointer
// stayed within the drag distance, a drag of the widget otherwise. Both ways of showing widgets feed
// it points in one plane (the desktop's, or an output's) and follow what it says.
#pragma once

#include <QPoint>

#include <optional>

namespace quillon::widgethost {

class PointerGesture {
public:
    enum class Ending { none, click, drag };

    explicit PointerGesture(int dragDistance)
        : m_dragDistance(dragDistance)
    {
    }

    // The pointer at `pointer`, the widget's top-left corner at `corner`.
    void press(QPoint pointer, QPoint corner)
    {
        m_pressed = true;
        m_dragging = false;
        m_pressedAt = pointer;
        m_grip = pointer - corner;
    }

    // Where the widget's corner goes, once the pointer has gone the drag distance.
    std::optional<QPoint> move(QPoint pointer)
    {
        if (!m_pressed)
            return std::nullopt;
        if (!m_dragging && (pointer - m_pressedAt).manhattanLength() >= m_dragDistance)
            m_dragging = true;
        if (!m_dragging)
            return std::nullopt;
        return pointer - m_grip;
    }

    Ending release()
    {
        if (!m_pressed)
            return Ending::none;
        m_pressed = false;
        return m_dragging ? Ending::drag : Ending::click;
    }

    bool pressed() const { return m_pressed; }
    // The pointer has gone the drag distance since the press.
    bool dragging() const { return m_dragging; }

private:
    int m_dragDistance;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressedAt;
    QPoint m_grip;
};

} // namespace quillon::widgethost
