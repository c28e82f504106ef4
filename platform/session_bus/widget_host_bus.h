// The desktop widget host's contract on the session bus, in one place for the host that offers it
// and the programs that call it: com.quillon.WidgetHost at /com/quillon/WidgetHost, with
// PlaceWidget(s kind, s family) → (b placed, s message), AddWidget(s kind, s family) → b,
// ShowGallery(), ReloadAll(), and for its settings program GalleryNote() → s,
// WidgetConfiguration(s id) → (b found, s plugin, s kind, s configuration),
// SetWidgetConfiguration(s id, s configuration) → (b ok, s message), the signal WidgetRemoved(s id),
// and for its list of placed widgets PlacedWidgets() → s (JSON), SetWidgetSize(s id, s family),
// MoveWidget(s id, s screen) and RemoveWidget(s id), each → (b done, s message), and the signal
// PlacedWidgetsChanged().
// And that settings program's own, com.quillon.WidgetSettings at /com/quillon/WidgetSettings, with
// ShowGallery(), EditWidget(s id) and ShowNote(s text) → b shown.
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
inline constexpr const char* kGalleryNoteMethod = "GalleryNote";
inline constexpr const char* kWidgetConfigurationMethod = "WidgetConfiguration";
inline constexpr const char* kSetWidgetConfigurationMethod = "SetWidgetConfiguration";
inline constexpr const char* kWidgetRemovedSignal = "WidgetRemoved";
inline constexpr const char* kPlacedWidgetsMethod = "PlacedWidgets";
inline constexpr const char* kSetWidgetSizeMethod = "SetWidgetSize";
inline constexpr const char* kMoveWidgetMethod = "MoveWidget";
inline constexpr const char* kRemoveWidgetMethod = "RemoveWidget";
inline constexpr const char* kPlacedWidgetsChangedSignal = "PlacedWidgetsChanged";

// The gallery and the editors run in a program of their own, which the host starts from beside
// itself: a window of the host would share its window group with the widgets (raised with them
// under some window managers) and load into the host what the dialogs need for as long as it runs.
inline constexpr const char* kSettingsProgram = "quillon-widget-settings";
inline constexpr const char* kSettingsBusName = "com.quillon.WidgetSettings";
inline constexpr const char* kSettingsObjectPath = "/com/quillon/WidgetSettings";
inline constexpr const char* kSettingsInterface = "com.quillon.WidgetSettings";
inline constexpr const char* kEditWidgetMethod = "EditWidget";
inline constexpr const char* kShowNoteMethod = "ShowNote";

// A widget's id names it to the settings program for as long as the host that gave it runs, and
// never a widget of a later host: "<host's process id>-<widget's number>". Longer ids, and longer
// settings than this, are no widget's: far more than any widget's settings.
inline constexpr int kLongestWidgetId = 64;
inline constexpr int kLongestWidgetConfiguration = 1024 * 1024;
// Long enough for a busy machine; a program that takes longer is taken to be stuck.
inline constexpr int kSettingsCallTimeoutMilliseconds = 5'000;

// Long enough for the bus to start the host, and the host its plug-ins, on a busy machine.
inline constexpr int kPlaceWidgetTimeoutMilliseconds = 30'000;

// Asks the host to place a widget of this kind and family; the bus starts the host when it is not
// running. Nothing waits: `answered` is called later with whether the widget was placed and the
// host's words for where, or why not; or, when the host could not be reached (no session bus, not
// installed, it could not start, no answer), with false and that reason in words.
void askHostToPlaceWidget(std::string_view kind, std::string_view family,
    std::function<void(bool placed, const QString& message)> answered);

// Asks the host to bring its gallery forward, with the list of the widgets placed; the bus starts the
// host when it is not running. Nothing waits: `failed` is called later with the reason in words when
// the host could not be reached.
void askHostToShowGallery(std::function<void(const QString& reason)> failed);

// The words for a call that reached no host: the bus error's name and message as it gave them.
QString unreachableHostReason(const QString& errorName, const QString& errorMessage);

} // namespace quillon
