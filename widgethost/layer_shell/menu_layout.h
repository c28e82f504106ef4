// Where a menu's entries lie, one under another inside the menu's frame, and which one the pointer
// is over. The sizes come from the application's style; the arithmetic is the same for any.
#pragma once

#include "widgethost/layer_shell/layer_menu_entry.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <vector>

namespace quillon::widgethost {

class MenuLayout {
public:
    MenuLayout() = default;
    // Each entry as tall as the style makes it and as wide as the widest, inside a frame `frame`
    // points wide at the sides and `verticalFrame` at the top and bottom.
    MenuLayout(const std::vector<LayerMenuEntry>& entries, const std::vector<QSize>& sizes, int frame,
        int verticalFrame);

    // In the menu's points, one for each entry.
    const std::vector<QRect>& rects() const { return m_rects; }
    QSize size() const { return m_size; }
    // Whether each entry can be chosen.
    const std::vector<bool>& choosable() const { return m_choosable; }
    // The entry that can be chosen at `at`, in the menu's points: -1 over a heading, a separator,
    // the frame or outside. A point counts as the one it rounds to, as in Qt's menus.
    int entryAt(QPointF at) const;

private:
    std::vector<QRect> m_rects;
    std::vector<bool> m_choosable;
    QSize m_size;
};

} // namespace quillon::widgethost
