// What a finger on a widget means: a tap is a click, a drag moves the widget as the pointer does, and
// a finger held still opens the widget's menu. The compositor may take the touch back halfway (for a
// gesture of its own): a drag then ends where the widget is, and a tap is nothing.
#pragma once

#include "widgethost/core/pointer_gesture.h"

#include <QPoint>

#include <optional>

namespace quillon::widgethost {

class TouchGesture {
public:
    explicit TouchGesture(int dragDistance)
        : m_gesture(dragDistance)
    {
    }

    // The finger at `finger`, the widget's top-left corner at `corner`.
    void press(QPoint finger, QPoint corner) { m_gesture.press(finger, corner); }

    // Where the widget's corner goes, once the finger has gone the drag distance.
    std::optional<QPoint> move(QPoint finger) { return m_gesture.move(finger); }

    // The finger has been held for the menu's while: true when it is still down and has not dragged,
    // and the menu opens. The gesture is over then, and the finger's lifting means nothing.
    bool hold()
    {
        if (!m_gesture.pressed() || m_gesture.dragging())
            return false;
        m_gesture.release();
        return true;
    }

    PointerGesture::Ending release() { return m_gesture.release(); }

    PointerGesture::Ending cancel()
    {
        const PointerGesture::Ending ending = m_gesture.release();
        return ending == PointerGesture::Ending::click ? PointerGesture::Ending::none : ending;
    }

    bool pressed() const { return m_gesture.pressed(); }

private:
    PointerGesture m_gesture;
};

} // namespace quillon::widgethost
