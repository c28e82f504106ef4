// What screen readers know of a placed widget: a window named by the widget and what it shows now
// ("Clock: Tokyo 08:34, Wed 9 Dec"), renamed as the face changes.
#pragma once

class QWidget;

namespace quillon::widgethost {

class LiveWidget;

// `window` stands for `widget` to screen readers from now on; before anything asks for its
// accessible interface.
void presentAsWidget(QWidget& window, const LiveWidget& widget);

} // namespace quillon::widgethost
