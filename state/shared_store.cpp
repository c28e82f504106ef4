// Resolving the shared suite, and loading and saving the record in it.
#include "state/shared_store.h"

#include "platform/log/logger.h"

#include <cerrno>
#include <cstring>

namespace quillon {
namespace {

void logLine(const std::string& message)
{
    Logger(std::string(SharedStore::kLogSubsystem), std::string(SharedStore::kLogCategory)).notice(message);
}

} // namespace

SharedStore& SharedStore::shared()
{
    static SharedStore store(mainBundleInfo());
    return store;
}

SharedStore::SharedStore(const BundleInfo& info)
{
    const std::optional<std::string> group = info.value(kAppGroupKey);
    if (group)
        m_suite = DefaultsFolder::open(*group);
    if (const auto identifier = info.value(kBundleIdentifierKey))
        m_standard = DefaultsFolder::open(*identifier);
    logLine("app group " + group.value_or("nil") + " suite " + (m_suite ? "ok" : "nil"));
}

StudioState SharedStore::load(Instant now, const Calendar& calendar) const
{
    // A record in the suite that cannot be read (too big, not a file) is a bad record, not a
    // missing one: it must not bring back an older one from the standard defaults.
    std::optional<std::string> blob;
    if (m_suite && m_suite->contains(kRecordKey))
        blob = m_suite->read(kRecordKey);
    else if (m_standard)
        blob = m_standard->read(kRecordKey);
    if (blob) {
        if (auto state = decodeStudioState(*blob, now, calendar))
            return *state;
    }
    return StudioState::makeDefault(now, calendar);
}

StudioState SharedStore::load()
{
    return shared().load(Instant::now(), Calendar::current());
}

bool SharedStore::save(const StudioState& state) const
{
    return save(state, Instant::now(), Calendar::current());
}

bool SharedStore::save(const StudioState& state, Instant now, const Calendar& calendar) const
{
    const std::optional<DefaultsFolder>& target = m_suite ? m_suite : m_standard;
    if (!target) {
        logLine("could not save the record: there is no folder to keep it in");
        return false;
    }
    const std::string bytes = encodeJSON(state);
    if (bytes.empty()) {
        logLine("could not save the record: JSON cannot hold it (a date that is not a number, or text that "
                "is not UTF-8)");
        return false;
    }
    if (bytes.size() > DefaultsFolder::kMaxBlobBytes) {
        logLine("could not save the record: " + std::to_string(bytes.size()) + " bytes, over the limit of "
            + std::to_string(DefaultsFolder::kMaxBlobBytes));
        return false;
    }
    const std::string path = (target->path() / std::string(kRecordKey)).string();
    if (target->contains(kRecordKey)) {
        const std::optional<std::string> stored = target->read(kRecordKey);
        const std::optional<StudioState> storedState
            = stored ? decodeStudioState(*stored, now, calendar) : std::nullopt;
        // The record on file already reads as this one. Writing it anyway would replace what a
        // bounded or forgiving read left out (cities past the limit, a bad field) at every start.
        if (storedState && *storedState == state)
            return true;
        // A record that cannot be read or is not one is kept for the user rather than written over.
        if (!storedState) {
            if (!target->setAside(kRecordKey)) {
                logLine("could not save the record: " + path
                    + " could not be read and could not be moved aside: " + std::strerror(errno));
                return false;
            }
            logLine(path + " could not be read as a record; moved it to " + path
                + std::string(DefaultsFolder::kSetAsideSuffix));
        }
    }
    if (!target->write(kRecordKey, bytes)) {
        logLine("could not save the record in " + path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace quillon
