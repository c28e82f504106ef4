// The studio's settings store in memory, for tests: what was saved, how often, and whether saving
// works at all.
#pragma once

#include "studio/model/state_store.h"

namespace quillon::testing {

class MemoryStateStore final : public StateStore {
public:
    explicit MemoryStateStore(StudioState initial = {})
        : stored(std::move(initial))
    {
    }
    StudioState load() override { return stored; }
    StoreReport loadReport() const override { return loadProblem; }
    StoreReport save(const StudioState& state) override
    {
        ++saves;
        if (savesWork)
            stored = state;
        return savesWork ? StoreReport {} : refusal;
    }

    StudioState stored;
    int saves = 0;
    bool savesWork = true;
    StoreReport refusal {StoreProblem::readOnly, "/home/user/.config/quillon", {}, 13};
    StoreReport loadProblem;
};

} // namespace quillon::testing
