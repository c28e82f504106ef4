// The shared store behind the studio model.
#include "studio/model/state_store.h"

#include "state/shared_store.h"

namespace quillon {

StudioState SharedStateStore::load()
{
    return SharedStore::load();
}

bool SharedStateStore::save(const StudioState& state)
{
    return SharedStore::shared().save(state);
}

} // namespace quillon
