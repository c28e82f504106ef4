// Faces of the six widgets.
#include "lampwork/dot_face.h"

#include "lampwork/effective_values.h"
#include "render/board_style.h"
#include "render/dot_painter.h"
#include "scenes/display_content.h"
#include "scenes/widget_link.h"

#include <QPainter>

namespace quillon {

DotScene faceScene(
    DotWidgetKind kind, const DotEntry& entry, Instant date, DotSize size, const Calendar& calendar)
{
    return sceneForKind(kind, size, effectiveContent(entry.config, entry.app), date, calendar);
}

widgethost::Face dotFace(DotWidgetKind kind, const widgethost::TimelineEntry& entry,
    widgethost::WidgetFamily family, const Calendar& calendar)
{
    static const DotEntry kEmpty {WidgetConfiguration {}, StudioState {}};
    const auto* dotEntry = dynamic_cast<const DotEntry*>(entry.data.get());
    const DotEntry& data = dotEntry ? *dotEntry : kEmpty;
    const DotScene scene = faceScene(kind, data, Instant {entry.date}, sizeForFamily(family), calendar);
    const DotTheme& theme = themeTable()[effectiveTheme(data.config, data.app)];

    widgethost::Face face;
    face.containerBackground = toQColor(theme.background);
    face.link = widgetLink(kind);
    face.accessibilityText = accessibilityText(scene.blocks);
    face.paint = [scene, theme](QPainter& painter, const QRectF& rect) {
        painter.fillRect(rect, toQColor(theme.background));
        paintScene(painter, scene, theme, drawsGlow(BoardSurface::desktopWidget, theme), rect);
    };
    return face;
}

} // namespace quillon
