// The last section of every kind's settings: the note that the desktop widgets follow them, and how
// to give one widget settings of its own.
#pragma once

namespace quillon {

class KindSettings;

void addSyncNote(KindSettings& part);

} // namespace quillon
