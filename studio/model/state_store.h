// Where the studio model loads and saves the settings: the shared store, or a test's stand-in.
#pragma once

#include "platform/store/store_report.h"
#include "state/studio_state.h"

namespace quillon {

class StateStore {
public:
    virtual ~StateStore() = default;
    virtual StudioState load() = 0;
    // What load() found wrong with the record on file, if anything: it then gave the defaults.
    virtual StoreReport loadReport() const { return {}; }
    // Not ok when the record could not be saved: the old one stays, the reason is in the report
    // and the log, and the studio goes on.
    virtual StoreReport save(const StudioState& state) = 0;
};

// The process's shared store, with the user's calendar for the defaults.
// A record on file that cannot be read is moved aside as it is loaded, so that the user's next
// change does not meet it, and the report says where it went.
class SharedStateStore final : public StateStore {
public:
    StudioState load() override;
    StoreReport loadReport() const override { return m_loadReport; }
    StoreReport save(const StudioState& state) override;

private:
    StoreReport m_loadReport;
};

} // namespace quillon
