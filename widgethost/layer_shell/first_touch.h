// Which finger the host follows: the first to come down, until it lifts or the compositor takes the
// touch back. Fingers that come down meanwhile are not followed, as a widget moves with one finger.
#pragma once

#include <cstdint>
#include <optional>

namespace quillon::widgethost {

class FirstTouch {
public:
    // Finger `id` comes down: true when it is the one followed from now on.
    bool down(std::int32_t id)
    {
        if (m_followed)
            return false;
        m_followed = id;
        return true;
    }

    bool follows(std::int32_t id) const { return m_followed == id; }

    // Finger `id` lifts: true when it was the one followed, which none is any more.
    bool up(std::int32_t id)
    {
        if (!follows(id))
            return false;
        m_followed.reset();
        return true;
    }

    // The compositor has taken every finger back: true when one was followed.
    bool cancel()
    {
        const bool followed = m_followed.has_value();
        m_followed.reset();
        return followed;
    }

private:
    std::optional<std::int32_t> m_followed;
};

} // namespace quillon::widgethost
