// Where the studio model loads and saves the settings: the shared store, or a test's stand-in.
#pragma once

#include "state/studio_state.h"

namespace quillon {

class StateStore {
public:
    virtual ~StateStore() = default;
    virtual StudioState load() = 0;
    // False when the record could not be saved: the old one stays, the reason is in the log, and
    // the studio goes on.
    virtual bool save(const StudioState& state) = 0;
};

// The process's shared store, with the user's calendar for the defaults.
class SharedStateStore final : public StateStore {
public:
    StudioState load() override;
    bool save(const StudioState& state) override;
};

} // namespace quillon
