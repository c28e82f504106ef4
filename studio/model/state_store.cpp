// The shared store behind the studio model.
#include "studio/model/state_store.h"

#include "state/shared_store.h"

namespace quillon {

StudioState SharedStateStore::load()
{
    const SharedStore& store = SharedStore::shared();
    SharedStore::Loaded loaded = store.loadReporting(Instant::now(), Calendar::current());
    m_loadReport = loaded.report.ok() ? loaded.report : store.setAsideRecord(loaded.report);
    return loaded.state;
}

StoreReport SharedStateStore::save(const StudioState& state)
{
    return SharedStore::shared().save(state);
}

} // namespace quillon
