// Faces of the six widgets.
#include "widget/dot_face.h"

#include "render/dot_painter.h"
#include "scenes/scene_builders.h"
#include "scenes/widget_link.h"
#include "widget/effective_values.h"

#include <QPainter>

namespace quillon {

using widgethost::WidgetFamily;

DotSize sizeForFamily(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        return DotSize::small;
    case WidgetFamily::systemMedium:
        return DotSize::medium;
    case WidgetFamily::systemLarge:
        return DotSize::large;
    case WidgetFamily::systemExtraLarge:
        return DotSize::extraLarge;
    case WidgetFamily::other:
        break;
    }
    return DotSize::medium;
}

WidgetFamily familyForSize(DotSize size)
{
    switch (size) {
    case DotSize::small:
        return WidgetFamily::systemSmall;
    case DotSize::medium:
        return WidgetFamily::systemMedium;
    case DotSize::large:
        return WidgetFamily::systemLarge;
    case DotSize::extraLarge:
        return WidgetFamily::systemExtraLarge;
    }
    return WidgetFamily::systemMedium;
}

DotScene faceScene(
    DotWidgetKind kind, const DotEntry& entry, Instant date, DotSize size, const Calendar& calendar)
{
    const City local = City::localIn(calendar.timeZone().identifier());
    const WidgetConfiguration& config = entry.config;
    const StudioState& app = entry.app;
    switch (kind) {
    case DotWidgetKind::worldBoard:
        return boardScene(effectiveBoardCities(config, app, local), app.use24h, date, size, calendar);
    case DotWidgetKind::clock:
        return clockScene(effectiveClockCity(config, app, local), app.use24h, date, size, calendar);
    case DotWidgetKind::day:
        return dayScene(date, size, calendar);
    case DotWidgetKind::progress:
        return progressScene(effectivePeriod(config, app), date, size, calendar);
    case DotWidgetKind::countdown:
        return countdownScene(effectiveCountdownTitle(config, app), effectiveCountdownTarget(config, app),
            date, size, calendar);
    case DotWidgetKind::sign:
        break;
    }
    return signScene(effectiveSignMessage(config, app), size);
}

widgethost::Face dotFace(
    DotWidgetKind kind, const widgethost::TimelineEntry& entry, WidgetFamily family, const Calendar& calendar)
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
        paintScene(painter, scene, theme, false, rect);
    };
    return face;
}

} // namespace quillon
