// Which finger the host follows: the first to come down, until it lifts or the compositor takes the
// touch back. Fingers that come down meanwhile are not followed, as a widget moves with one finger.
#pragma once

#include <cstdint>

namespace quillon::widgethost {

class FirstTouch {
public:
    // Finger `id` comes down: true when it is the one followed from now on.
    bool down(std::int32_t id)
    {
        if (m_following)
            return false;
        m_following = true;
        m_followed = id;
        return true;
    }

    bool follows(std::int32_t id) const { return m_following && m_followed == id; }

    // Finger `id` lifts: true when it was the one followed, which none is any more.
    bool up(std::int32_t id)
    {
        if (!follows(id))
            return false;
        m_following = false;
        return true;
    }

    // The compositor has taken every finger back: true when one was followed.
    bool cancel()
    {
        const bool followed = m_following;
        m_following = false;
        return followed;
    }

private:
    // Two plain members rather than an optional: GCC 12 takes the optional's value for possibly
    // uninitialised where it is inlined at -O2.
    bool m_following = false;
    std::int32_t m_followed = 0;
};

} // namespace quillon::widgethost
