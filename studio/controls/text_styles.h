// The studio's text styles, as steps from the desktop's own font: headline over body, callout and
// caption under it, and the secondary colour for the quieter lines.
#pragma once

#include <QFont>

class QWidget;

namespace quillon {

QFont headlineFont();
QFont calloutFont();
QFont captionFont();

// Text in the secondary colour: the palette's placeholder colour, which both light and dark
// palettes keep readable.
void makeSecondary(QWidget& widget);

} // namespace quillon
