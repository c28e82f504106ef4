// The settings record shared by the studio and the widgets, through a defaults suite named by
// the program's information record.
#pragma once

#include "platform/info/bundle_info.h"
#include "platform/store/defaults_folder.h"
#include "state/studio_state.h"

#include <optional>
#include <string>

namespace quillon {

class SharedStore {
public:
    static constexpr std::string_view kRecordKey = "studio.v1";
    static constexpr std::string_view kLogSubsystem = "com.quillon.Quillon";
    static constexpr std::string_view kLogCategory = "SharedStore";

    // The process's store, resolved from its own information record on first use (safe when that
    // happens on several threads at once) and kept for the life of the process.
    static SharedStore& shared();

    // Resolves a store as shared() does, for a given record: the suite named by "DotAppGroup" when
    // it can be opened, else the standard defaults (the folder named after the bundle identifier).
    // Logs the one line "app group <group or nil> suite <ok or nil>".
    explicit SharedStore(const BundleInfo& info);

    // The record from the store, else (when the store has none) from the standard defaults, else
    // the default record; a record that cannot be read or is not a JSON object also gives the
    // default record. Never fails.
    StudioState load(Instant now, const Calendar& calendar) const;
    static StudioState load();

    // Writes the whole record under "studio.v1" in the store, unless the record there already reads
    // as this one. A record there that cannot be read, or is not one, is first moved aside to
    // "studio.v1.bad". False when the record could not be written: JSON cannot hold it, it is over
    // the store's limit, there is no folder, or the file system refused. Then the old record stays
    // and the reason goes to the log. `now` and the calendar give the defaults that the stored
    // record is read with, as load() does.
    bool save(const StudioState& state) const;
    bool save(const StudioState& state, Instant now, const Calendar& calendar) const;

    bool hasSuite() const { return m_suite.has_value(); }
    const std::optional<DefaultsFolder>& suite() const { return m_suite; }
    const std::optional<DefaultsFolder>& standardDefaults() const { return m_standard; }

private:
    std::optional<DefaultsFolder> m_suite;
    std::optional<DefaultsFolder> m_standard;
};

} // namespace quillon
