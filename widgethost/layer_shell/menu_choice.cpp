// Highlighting and choosing a menu's entries.
#include "widgethost/layer_shell/menu_choice.h"

namespace quillon::widgethost {

bool MenuChoice::hover(int entry)
{
    if (entry == m_highlighted)
        return false;
    m_highlighted = entry;
    return true;
}

std::optional<std::size_t> MenuChoice::chosenBy(bool pressed) const
{
    if (pressed || m_highlighted < 0 || m_finished)
        return std::nullopt;
    return static_cast<std::size_t>(m_highlighted);
}

bool MenuChoice::finish()
{
    if (m_finished)
        return false;
    m_finished = true;
    return true;
}

} // namespace quillon::widgethost
