// The one settings record: which display the studio shows and how every kind is set up.
#pragma once

#include "core/dot_theme.h"
#include "platform/calendar/calendar.h"
#include "scenes/display_content.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct StudioState {
    DotWidgetKind kind = DotWidgetKind::worldBoard;
    std::map<DotWidgetKind, DotSize> sizes; // explicit choices only
    ThemeID theme = ThemeID::midnight;
    bool use24h = true;
    std::vector<std::string> boardCities;
    std::string clockCity = "local";
    ProgressPeriod period = ProgressPeriod::year;
    std::string countdownTitle = "New Year";
    Instant countdownDate; // stored as seconds since 2001-01-01T00:00:00Z
    std::string signText = "Hello, world!";

    bool operator==(const StudioState&) const = default;

    // Every default: the five default board cities, and a countdown to the start of next year in
    // the calendar (or to now, when the calendar cannot form that date).
    static StudioState makeDefault(Instant now, const Calendar& calendar);

    // What the displays show, for the scene builders.
    DisplayContent content() const;
};

// The size the studio shows a kind in: the stored choice if the kind supports it; with no stored
// choice, medium if the kind has it; otherwise the kind's first size.
DotSize sizeForKind(const StudioState& state, DotWidgetKind kind);

// The record as compact JSON, keys in declaration order; `sizes` as one flat array of
// alternating kind and size raw values.
std::string encodeJSON(const StudioState& state);

// Field by field: a missing, null, wrongly typed or unknown value gives that field its default and
// the rest are read on. Nothing only when the text is not a JSON object at all (or is nested too
// deeply to be a record).
std::optional<StudioState> decodeStudioState(std::string_view json, Instant now, const Calendar& calendar);

// The parts of the record that widgets show, as eight strings: a change of these, and only of
// these, calls for the widgets to be redrawn. Kind and sizes are not among them.
std::vector<std::string> widgetSignature(const StudioState& state);

} // namespace quillon
