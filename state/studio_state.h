// The one settings record: which display the studio shows and how every kind is set up.
#pragma once

#include "core/dot_theme.h"
#include "platform/calendar/calendar.h"
#include "scenes/display_content.h"
#include "scenes/display_text.h"
#include "scenes/dot_size.h"
#include "scenes/dot_widget_kind.h"
#include "scenes/progress_period.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// What a decoded record may hold, far above any real use: the world board shows a handful of rows,
// and the widgets' own settings cut their texts at the same length. A record from a file can be as
// large as the store allows, and the studio would otherwise lay out every city and every character.
inline constexpr std::size_t kMaxBoardCities = 64;
inline constexpr std::size_t kMaxRecordTextCharacters
    = kMaxDisplayTextCharacters; // code points, in every text field

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
// alternating kind and size raw values. Empty when JSON cannot hold the record as it is: a
// countdown date that is not finite, or text that is not UTF-8.
std::string encodeJSON(const StudioState& state);

// Field by field: a missing, null, wrongly typed, unknown or unparsable value (a number beyond a
// double's range, a lone surrogate, nesting deeper than any record) gives that field its default
// and the rest are read on. Past the bounds above, the first board cities and the first characters
// of each text are kept. Nothing only when the text is not shaped as one JSON object.
std::optional<StudioState> decodeStudioState(std::string_view json, Instant now, const Calendar& calendar);

// The parts of the record that widgets show, as eight strings: a change of these, and only of
// these, calls for the widgets to be redrawn. Kind and sizes are not among them. Each board city
// id is followed by a comma, with commas and backslashes in ids escaped by a backslash.
std::vector<std::string> widgetSignature(const StudioState& state);

} // namespace quillon
