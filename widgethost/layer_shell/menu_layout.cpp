// Stacking a menu's entries and finding the one under the pointer.
#include "widgethost/layer_shell/menu_layout.h"

#include <algorithm>

namespace quillon::widgethost {

MenuLayout::MenuLayout(
    const std::vector<LayerMenuEntry>& entries, const std::vector<QSize>& sizes, int frame, int verticalFrame)
{
    int width = 0;
    for (const QSize& size : sizes)
        width = std::max(width, size.width());
    int y = verticalFrame;
    for (const QSize& size : sizes) {
        m_rects.emplace_back(frame, y, width, size.height());
        y += size.height();
    }
    for (const LayerMenuEntry& entry : entries)
        m_choosable.push_back(entry.choosable());
    m_size = QSize(width + 2 * frame, y + verticalFrame);
}

int MenuLayout::entryAt(QPointF at) const
{
    for (std::size_t index = 0; index < m_rects.size() && index < m_choosable.size(); ++index) {
        if (m_rects[index].contains(at.toPoint()) && m_choosable[index])
            return static_cast<int>(index);
    }
    return -1;
}

} // namespace quillon::widgethost
