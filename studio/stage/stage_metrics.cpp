// The stage's fit of the card.
#include "studio/stage/stage_metrics.h"

#include <algorithm>

namespace quillon {

double reservedStageHeight(double controlBarHeight)
{
    return std::max(190.0, 2 * (std::max(controlBarHeight, 0.0) + kControlBarMargin + kCardToControlBarGap));
}

double stageScale(DotSizeF stage, DotSize size, bool fullView, double controlBarHeight)
{
    const double reservedHeight = fullView ? 80 : reservedStageHeight(controlBarHeight);
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
