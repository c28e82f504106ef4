// The stage's fit of the card.
#include "studio/stage/stage_metrics.h"

#include <algorithm>

namespace quillon {

double stageScale(DotSizeF stage, DotSize size, bool fullView)
{
    const double reservedHeight = fullView ? 80 : 190;
    const double usableWidth = fullView ? 0.9 : 0.78;
    const double maximum = fullView ? 4.0 : 2.6;
    const DotSizeF card = widgetPointSize(size);
    const double scale
        = std::min((stage.height - reservedHeight) / card.height, stage.width * usableWidth / card.width);
    if (scale > maximum)
        return maximum;
    return std::max(scale, kMinStageScale);
}

} // namespace quillon
