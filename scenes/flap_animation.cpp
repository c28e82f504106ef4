// Keeping boards in step with a scene.
#include "scenes/flap_animation.h"

#include <algorithm>

namespace quillon {

double FlapAnimation::sync(const DotScene& scene, double now)
{
    const DotScene fit = fitted(scene);
    double until = now;
    for (std::size_t index = 0; index < fit.blocks.size(); ++index) {
        const auto* text = std::get_if<TextBlock>(&fit.blocks[index]);
        if (!text)
            continue;
        auto& board = m_boards[index];
        if (!board || board->cells() != text->cells || board->targets().size() != text->lines.size())
            board = std::make_unique<FlapBoard>(text->cells);
        board->update(text->lines, now);
        until = std::max(until, board->animatingUntil());
    }
    return until;
}

DotScene FlapAnimation::animatedScene(const DotScene& scene, double t) const
{
    DotScene fit = fitted(scene);
    for (std::size_t index = 0; index < fit.blocks.size(); ++index) {
        auto* text = std::get_if<TextBlock>(&fit.blocks[index]);
        const auto board = m_boards.find(index);
        if (text && board != m_boards.end() && board->second->cells() == text->cells
            && !board->second->targets().empty())
            text->lines = board->second->lines(t);
    }
    return fit;
}

bool FlapAnimation::flipsAfter(double t) const
{
    return std::any_of(m_boards.begin(), m_boards.end(),
        [t](const auto& entry) { return entry.second->animatingUntil() > t; });
}

} // namespace quillon
