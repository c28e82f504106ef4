// The 24-hour time switch, in a section of its own under the world board's and the clock's settings.
#pragma once

namespace quillon {

class KindSettings;
class StudioModel;

// The switch writes the model and follows it, whoever changes it.
void addUse24hToggle(KindSettings& part, StudioModel& model);

} // namespace quillon
