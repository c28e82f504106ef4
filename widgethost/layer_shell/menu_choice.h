// A menu's state as the pointer moves over it and keys are pressed: the entry highlighted, the one a
// button or a key chooses, and whether the menu is done with. As in Qt's menus a release over an entry
// chooses it, whichever button, and a press chooses nothing; the arrow keys move the highlight over the
// entries that can be chosen, around the ends, and Return, Enter or Space choose the highlighted one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace quillon::widgethost {

class MenuChoice {
public:
    // What a key does to the open menu.
    struct KeyOutcome {
        bool highlightMoved = false; // the menu is drawn again
        std::optional<std::size_t> chosen;
        bool closes = false; // by a choice or by Escape
    };

    // -1 while none is.
    int highlighted() const { return m_highlighted; }
    bool finished() const { return m_finished; }

    // The pointer is over `entry` (-1: over none that can be chosen, or gone from the menu). True
    // when the highlight moves, and the menu is drawn again.
    bool hover(int entry);
    // The entry a button going down or up at the pointer chooses, while the menu is open.
    std::optional<std::size_t> chosenBy(bool pressed) const;
    // The key `code` (a Linux input event code, the same whatever the keyboard's layout) is pressed;
    // `choosable` says of each entry whether it can be chosen.
    KeyOutcome pressKey(std::uint32_t code, const std::vector<bool>& choosable);
    // The menu closes, by a choice or otherwise: true the first time only, when its owner is told.
    bool finish();

private:
    bool step(int by, const std::vector<bool>& choosable);

    int m_highlighted = -1;
    bool m_finished = false;
};

} // namespace quillon::widgethost
