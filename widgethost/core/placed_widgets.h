// The widgets placed on the desktop, as the host keeps them between sessions.
#pragma once

#include "platform/geometry/plane.h"
#include "platform/store/store_report.h"
#include "widget_plugin/widget_plugin.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::widgethost {

struct PlacedWidget {
    std::string plugin; // the plug-in's file name
    std::string kind; // the widget's kind string
    WidgetFamily family = WidgetFamily::systemMedium;
    std::string screen; // the name of the screen it is on
    double x = 0; // its top-left corner in desktop coordinates
    double y = 0;
    std::string configuration = "{}"; // the widget's settings, a JSON object
    bool operator==(const PlacedWidget&) const = default;
};

// The most widgets the host loads, places and saves: far more than fit on any desktop, few enough
// that a file run wild cannot have the host open windows without end.
inline constexpr std::size_t kMaxPlacedWidgets = 1000;

std::string encodePlacedWidgets(const std::vector<PlacedWidget>& widgets);
// Nothing when the text is not a list of placed widgets; entries with unreadable fields are
// dropped one by one. Every readable entry is returned, however many: the caller applies the limit.
std::optional<std::vector<PlacedWidget>> decodePlacedWidgets(std::string_view json);

inline constexpr std::string_view kPlacedWidgetsFileName = "widgets.json";

struct LoadedWidgets {
    std::vector<PlacedWidget> widgets;
    // Not ok when the file is there but could not be read or is damaged: the host then starts with
    // none. `keptAs` says where it was moved aside; when it could not be, it is still in the way,
    // and saving must not write over it.
    StoreReport report;
};

// widgets.json in the settings folder, or the file of the user's that a symlink there leads to,
// read also where the folder may not be written. A damaged or unreadable file is moved aside to
// widgets.json.bad where it can be, with one line on standard error. A file of more than
// kMaxPlacedWidgets is kept whole as widgets.json.too-many, also with a line, before the host
// starts with the first of them.
LoadedWidgets readPlacedWidgets(const std::filesystem::path& folder);
std::vector<PlacedWidget> loadPlacedWidgets(const std::filesystem::path& folder);
// Moves a file that could not be read out of the way, to widgets.json.bad: where it went, or
// nothing when it could not be moved (errno says why).
std::optional<std::filesystem::path> setAsidePlacedWidgets(const std::filesystem::path& folder);
// Not ok, writing nothing, when the file cannot be replaced (the report says why) or the list is
// over the limit (tooLarge).
StoreReport savePlacedWidgets(const std::filesystem::path& folder, const std::vector<PlacedWidget>& widgets);

// Where on its screen a widget is, in the words "top left", "bottom", "middle": by its centre, in
// thirds of the screen each way.
enum class ScreenRegion { topLeft, top, topRight, left, middle, right, bottomLeft, bottom, bottomRight };
ScreenRegion regionOf(const RectF& widget, const RectF& screen);

// An output of a desktop where each output has its own coordinates (Wayland): its name and where it
// lies in the desktop's layout.
struct NamedOutput {
    std::string name;
    RectF rect;
};

// Which output a kept widget is on, on such a desktop (an index into the list), and where it is kept
// there, in that output's coordinates: past the output's edges while the output is smaller than it
// was, as the place is the widget's own (screen_fit.h says where it shows meanwhile). `onItsOwn` is
// false when the widget's own output is not there and it shows on another until it comes back.
struct OutputPlace {
    std::size_t output = 0;
    PointF corner;
    bool onItsOwn = true;
    bool operator==(const OutputPlace&) const = default;
};

// A widget whose screen is named is on that output, at its corner there; one whose output has gone
// is on the first, keeping its place. One with no name (placed on an X11 desktop) is on the output
// that holds it whole, else the one it overlaps most, else the nearest, moved to lie whole on it: its
// place in that output's coordinates is the one it keeps from then on. Nothing when there are no
// outputs.
std::optional<OutputPlace> placeOnOutputs(
    const PlacedWidget& placed, SizeF size, const std::vector<NamedOutput>& outputs);

} // namespace quillon::widgethost
