// A menu's state as the pointer moves over it: the entry highlighted, the one a button chooses, and
// whether the menu is done with. As in Qt's menus a release over an entry chooses it, whichever
// button, and a press chooses nothing.
#pragma once

#include <cstddef>
#include <optional>

namespace quillon::widgethost {

class MenuChoice {
public:
    // -1 while none is.
    int highlighted() const { return m_highlighted; }
    bool finished() const { return m_finished; }

    // The pointer is over `entry` (-1: over none that can be chosen, or gone from the menu). True
    // when the highlight moves, and the menu is drawn again.
    bool hover(int entry);
    // The entry a button going down or up at the pointer chooses, while the menu is open.
    std::optional<std::size_t> chosenBy(bool pressed) const;
    // The menu closes, by a choice or otherwise: true the first time only, when its owner is told.
    bool finish();

private:
    int m_highlighted = -1;
    bool m_finished = false;
};

} // namespace quillon::widgethost
