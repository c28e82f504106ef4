// The split-flap boards of a whole scene, one per text block.
#pragma once

#include "scenes/dot_scene.h"
#include "scenes/flap_board.h"

#include <map>
#include <memory>

namespace quillon {

class FlapAnimation {
public:
    // Brings a board per text block up to date with the fitted scene: a block whose cell or line
    // count changed gets a new board, so all its cells flip. Returns the time until which
    // something flips, `now` when nothing does.
    double sync(const DotScene& scene, double now);

    // The fitted scene with each animated text block's lines as its board shows them at t.
    DotScene animatedScene(const DotScene& scene, double t) const;

    // Whether any board still flips after t.
    bool flipsAfter(double t) const;

    // Forgets every board: the next sync flips every cell in, also those that show what the last
    // scene showed there. A new card (another kind or size) comes in whole.
    void restart() { m_boards.clear(); }

private:
    std::map<std::size_t, std::unique_ptr<FlapBoard>> m_boards; // by block index; never removed
};

} // namespace quillon
