// The shared store behind the studio model.
#include "studio/state_store.h"

#include "state/shared_store.h"

namespace quillon {

StudioState SharedStateStore::load()
{
    return SharedStore::load();
}

void SharedStateStore::save(const StudioState& state)
{
    SharedStore::shared().save(state);
}

} // namespace quillon
