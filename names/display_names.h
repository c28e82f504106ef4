// The names of kinds, sizes, periods and themes as people read them in the studio and in the widget
// editors, in the user's language. The scenes and the theme table keep their English names, which
// the record and the displays use.
#pragma once

#include "core/dot_theme.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <QString>

namespace quillon {

QString displayName(DotWidgetKind kind);
QString displayName(DotSize size);
QString displayName(ProgressPeriod period);
QString displayName(ThemeID theme);

} // namespace quillon
