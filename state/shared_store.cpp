// Loading and saving the record in the settings folder.
#include "state/shared_store.h"

#include "platform/log/logger.h"
#include "platform/store/settings_folder.h"

#include <cerrno>
#include <cstring>

namespace quillon {
namespace {

Logger logger()
{
    return Logger(std::string(SharedStore::kLogSubsystem), std::string(SharedStore::kLogCategory));
}

void logLine(const std::string& message)
{
    logger().notice(message);
}

BlobFolder folderAt(const std::filesystem::path& path)
{
    // openPath refuses only an empty path; a store always has a folder to try.
    return BlobFolder::openPath(path.empty() ? std::filesystem::path("/") : path).value();
}

} // namespace

SharedStore& SharedStore::shared()
{
    static SharedStore store = [] {
        moveEarlierSettings();
        return SharedStore(settingsFolder());
    }();
    return store;
}

SharedStore::SharedStore(const std::filesystem::path& folder)
    : m_folder(folderAt(folder))
{
    logger().debug("the record is " + recordPath().string());
}

SharedStore::Loaded SharedStore::loadReporting(Instant now, const Calendar& calendar) const
{
    if (!m_folder.contains(kRecordKey))
        return {StudioState::makeDefault(now, calendar), {}};
    const std::optional<std::string> blob = m_folder.read(kRecordKey);
    if (!blob) {
        const int error = errno;
        return {
            StudioState::makeDefault(now, calendar), {problemOfReadError(error), recordPath(), {}, error}};
    }
    if (auto state = decodeStudioState(*blob, now, calendar))
        return {*state, {}};
    return {StudioState::makeDefault(now, calendar), {StoreProblem::damaged, recordPath(), {}, 0}};
}

StudioState SharedStore::load()
{
    return shared().load(Instant::now(), Calendar::current());
}

StoreReport SharedStore::setAsideRecord(StoreReport unreadable) const
{
    const std::string path = recordPath().string();
    if (!m_folder.setAside(kRecordKey)) {
        const int error = errno;
        logLine(describe(unreadable) + "; it could not be moved aside either (" + std::strerror(error)
            + "), and is left as it is");
        errno = error;
        return unreadable;
    }
    unreadable.keptAs = path + std::string(BlobFolder::kSetAsideSuffix);
    logLine(describe(unreadable) + "; moved it to " + unreadable.keptAs.string());
    return unreadable;
}

StoreReport SharedStore::save(const StudioState& state) const
{
    return save(state, Instant::now(), Calendar::current());
}

StoreReport SharedStore::save(const StudioState& state, Instant now, const Calendar& calendar) const
{
    const auto refused = [&](StoreReport report) {
        logLine("could not save the record: " + describe(report));
        return report;
    };
    const std::string bytes = encodeJSON(state);
    if (bytes.empty())
        return refused({StoreProblem::notRepresentable, recordPath(), {}, 0});
    if (bytes.size() > BlobFolder::kMaxBlobBytes) {
        logLine("could not save the record: " + std::to_string(bytes.size()) + " bytes, over the limit of "
            + std::to_string(BlobFolder::kMaxBlobBytes));
        return {StoreProblem::tooLarge, recordPath(), {}, EFBIG};
    }
    if (m_folder.contains(kRecordKey)) {
        const Loaded stored = loadReporting(now, calendar);
        // The record on file already reads as this one. Writing it anyway would replace what a
        // bounded or forgiving read left out (cities past the limit, a bad field) at every start.
        if (stored.report.ok() && stored.state == state)
            return {};
        // A record that cannot be read or is not one is kept for the user rather than written over.
        if (!stored.report.ok()) {
            const StoreReport aside = setAsideRecord(stored.report);
            if (aside.keptAs.empty()) {
                // A folder that may not be written says so; anything else in the way leaves the
                // record's own problem as the reason.
                const int error = errno;
                const StoreProblem problem = problemOfWriteError(error, m_folder.path());
                if (problem == StoreProblem::readOnly || problem == StoreProblem::diskFull
                    || problem == StoreProblem::notOurs)
                    return {problem, m_folder.path(), {}, error};
                return stored.report;
            }
        }
    }
    if (!m_folder.write(kRecordKey, bytes)) {
        const int error = errno;
        return refused({problemOfWriteError(error, m_folder.path()), m_folder.path(), {}, error});
    }
    return {};
}

} // namespace quillon
