// Which corner a surface's pointer events are relative to while it moves. A moved corner takes
// effect with the commit that sets it, and the events the compositor sent before that still have the
// old one; a round trip after each commit says from when the new one holds. `Token` names such a
// round trip (the connection's callback, or anything a test likes).
#pragma once

#include <QPoint>

#include <deque>
#include <utility>
#include <vector>

namespace quillon::widgethost {

template <typename Token> class CornerChanges {
public:
    explicit CornerChanges(QPoint corner)
        : m_current(corner)
    {
    }

    // The corner the events now arriving are relative to.
    QPoint current() const { return m_current; }

    // `corner` is committed, and `token` is the round trip that follows the commit.
    void committed(Token token, QPoint corner) { m_pending.emplace_back(std::move(token), corner); }

    // The round trip `token` has come back: its corner holds, and so does every one committed before
    // it, whose round trips are then of no more use. Returns the tokens done with, oldest first, for
    // the caller to free.
    std::vector<Token> settled(const Token& token)
    {
        std::vector<Token> done;
        while (!m_pending.empty()) {
            auto [awaited, corner] = std::move(m_pending.front());
            m_pending.pop_front();
            m_current = corner;
            const bool last = awaited == token;
            done.push_back(std::move(awaited));
            if (last)
                break;
        }
        return done;
    }

    // The round trips still awaited, for freeing when the surface goes.
    std::vector<Token> pending() const
    {
        std::vector<Token> tokens;
        for (const auto& [token, corner] : m_pending)
            tokens.push_back(token);
        return tokens;
    }

private:
    QPoint m_current;
    std::deque<std::pair<Token, QPoint>> m_pending;
};

} // namespace quillon::widgethost
