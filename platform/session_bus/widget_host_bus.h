// The desktop widget host's contract on the session bus, in one place for the host that offers it
// and the studio that calls it: com.quillon.WidgetHost at /com/quillon/WidgetHost, with
// PlaceWidget(s kind, s family) → (b placed, s message), AddWidget(s kind, s family) → b,
// ShowGallery() and ReloadAll().
#pragma once

#include <QString>

#include <functional>
#include <string_view>

namespace quillon {

inline constexpr const char* kHostBusName = "com.quillon.WidgetHost";
inline constexpr const char* kHostObjectPath = "/com/quillon/WidgetHost";
inline constexpr const char* kHostInterface = "com.quillon.WidgetHost";
inline constexpr const char* kAddWidgetMethod = "AddWidget";
inline constexpr const char* kPlaceWidgetMethod = "PlaceWidget";
inline constexpr const char* kShowGalleryMethod = "ShowGallery";

// Long enough for the bus to start the host, and the host its plug-ins, on a busy machine.
inline constexpr int kPlaceWidgetTimeoutMilliseconds = 30'000;

// Asks the host to place a widget of this kind and family; the bus starts the host when it is not
// running. Nothing waits: `answered` is called later with whether the widget was placed and the
// host's words for where, or why not; or, when the host could not be reached (no session bus, not
// installed, it could not start, no answer), with false and that reason in words.
void askHostToPlaceWidget(std::string_view kind, std::string_view family,
    std::function<void(bool placed, const QString& message)> answered);

// The words for a call that reached no host: the bus error's name and message as it gave them.
QString unreachableHostReason(const QString& errorName, const QString& errorMessage);

} // namespace quillon
