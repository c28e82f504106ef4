// A widget as the host draws it: the scene of its kind from an entry, in the effective theme.
#pragma once

#include "lampwork/minute_provider.h"
#include "scenes/dot_scene.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "widget_plugin/widget_plugin.h"

namespace quillon {

// The scene of a kind for an entry, built as the studio builds its own: from the effective content
// of the entry's configuration and settings, at the entry's date, in the calendar (whose zone is the
// local city's).
DotScene faceScene(
    DotWidgetKind kind, const DotEntry& entry, Instant date, DotSize size, const Calendar& calendar);

// The face: drawn as a desktop widget is, edge to edge on the theme's background; the link to the
// studio.
widgethost::Face dotFace(DotWidgetKind kind, const widgethost::TimelineEntry& entry,
    widgethost::WidgetFamily family, const Calendar& calendar);

} // namespace quillon
