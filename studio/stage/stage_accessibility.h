// What screen readers are told of the stage: the card is a text, the display's own; the size picker
// is a row of tabs, one per size, with the chosen one selected.
#pragma once

namespace quillon {

// Installs the accessibility factory for the stage's widgets; once per process, before they exist.
void installStageAccessibility();

} // namespace quillon
