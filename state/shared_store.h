// The settings record shared by the studio, the widgets and the tools: one file in the settings
// folder.
#pragma once

#include "platform/store/blob_folder.h"
#include "platform/store/store_report.h"
#include "state/studio_state.h"

#include <filesystem>
#include <string>

namespace quillon {

class SharedStore {
public:
    static constexpr std::string_view kRecordKey = "studio.v1";
    static constexpr std::string_view kLogSubsystem = "com.quillon.Quillon";
    static constexpr std::string_view kLogCategory = "SharedStore";

    // The process's store, in the settings folder, once what earlier versions kept elsewhere has
    // been moved there. Made on first use (safe when that happens on several threads at once) and
    // kept for the life of the process.
    static SharedStore& shared();

    // The store in `folder`, which need not exist yet, nor be writable: it is read where it can be.
    explicit SharedStore(const std::filesystem::path& folder);

    struct Loaded {
        StudioState state;
        // Not ok when a record is there but could not be read, or does not read as a record: the
        // state is then the default record.
        StoreReport report;
    };
    // The record; the default record when there is none, or it cannot be read or is not a JSON
    // object, which the report says. Never fails.
    Loaded loadReporting(Instant now, const Calendar& calendar) const;
    StudioState load(Instant now, const Calendar& calendar) const
    {
        return loadReporting(now, calendar).state;
    }
    static StudioState load();

    // Moves a record that could not be read to "studio.v1.bad", replacing an earlier one there, so
    // that it is kept rather than written over; the report's keptAs says where when it was moved.
    StoreReport setAsideRecord(StoreReport unreadable) const;

    // Writes the whole record under "studio.v1", unless the record there already reads as this
    // one. A record there that cannot be read, or is not one, is first moved aside. A report that
    // is not ok says why the record could not be written (JSON cannot hold it, it is over the
    // limit, the folder is read-only or full or another user's, the old record could not be moved
    // aside); then the old record stays and the reason also goes to the log. `now` and the calendar
    // give the defaults that the stored record is read with, as load() does.
    StoreReport save(const StudioState& state) const;
    StoreReport save(const StudioState& state, Instant now, const Calendar& calendar) const;

    const BlobFolder& folder() const { return m_folder; }
    std::filesystem::path recordPath() const { return m_folder.path() / std::string(kRecordKey); }

private:
    BlobFolder m_folder;
};

} // namespace quillon
