// A widget as the host draws it: the scene of its kind from an entry, in the effective theme.
#pragma once

#include "scenes/dot_scene.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "widget/minute_provider.h"
#include "widgethost/widget_plugin.h"

namespace quillon {

// systemSmall is small and so on; any other family is medium.
DotSize sizeForFamily(widgethost::WidgetFamily family);
widgethost::WidgetFamily familyForSize(DotSize size);

// The scene of a kind for an entry: effective values from the entry's configuration and settings,
// the entry's date, and the calendar (its zone is the local city's).
DotScene faceScene(
    DotWidgetKind kind, const DotEntry& entry, Instant date, DotSize size, const Calendar& calendar);

// The face: drawn without glow, edge to edge, on the theme's background; the link to the studio.
widgethost::Face dotFace(DotWidgetKind kind, const widgethost::TimelineEntry& entry,
    widgethost::WidgetFamily family, const Calendar& calendar);

} // namespace quillon
