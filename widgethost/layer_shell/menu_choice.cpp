// Highlighting and choosing a menu's entries.
#include "widgethost/layer_shell/menu_choice.h"

#include <linux/input-event-codes.h>

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

MenuChoice::KeyOutcome MenuChoice::pressKey(std::uint32_t code, const std::vector<bool>& choosable)
{
    if (m_finished)
        return {};
    switch (code) {
    case KEY_ESC:
        return {false, std::nullopt, true};
    case KEY_UP:
        return {step(-1, choosable), std::nullopt, false};
    case KEY_DOWN:
        return {step(1, choosable), std::nullopt, false};
    case KEY_ENTER:
    case KEY_KPENTER:
    case KEY_SPACE:
        if (m_highlighted < 0)
            return {};
        return {false, static_cast<std::size_t>(m_highlighted), true};
    default:
        return {};
    }
}

// From none highlighted, down starts at the first entry and up at the last.
bool MenuChoice::step(int by, const std::vector<bool>& choosable)
{
    const int count = static_cast<int>(choosable.size());
    int entry = m_highlighted < 0 || m_highlighted >= count ? (by > 0 ? -1 : count) : m_highlighted;
    for (int tried = 0; tried < count; ++tried) {
        entry = ((entry + by) % count + count) % count;
        if (choosable[static_cast<std::size_t>(entry)])
            return hover(entry);
    }
    return false;
}

bool MenuChoice::finish()
{
    if (m_finished)
        return false;
    m_finished = true;
    return true;
}

} // namespace quillon::widgethost
