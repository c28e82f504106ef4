// The desktop widget host's contract on the session bus, in one place for the host that offers it
// and the studio that calls it: com.quillon.WidgetHost at /com/quillon/WidgetHost, with
// AddWidget(s kind, s family) → b, ShowGallery() and ReloadAll().
#pragma once

#include <QDBusConnection>
#include <QString>

#include <string_view>

namespace quillon {

inline constexpr const char* kHostBusName = "com.quillon.WidgetHost";
inline constexpr const char* kHostObjectPath = "/com/quillon/WidgetHost";
inline constexpr const char* kHostInterface = "com.quillon.WidgetHost";
inline constexpr const char* kAddWidgetMethod = "AddWidget";
inline constexpr const char* kShowGalleryMethod = "ShowGallery";

// Asks the host to place a widget of this kind and family; the bus starts the host when it is not
// running. Nothing waits for the answer.
void askHostToAddWidget(QDBusConnection& bus, std::string_view kind, std::string_view family);

} // namespace quillon
