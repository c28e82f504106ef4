// Resolving the shared suite, and loading and saving the record in it.
#include "state/shared_store.h"

#include "platform/log/logger.h"


namespace quillon {

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
    Logger(std::string(kLogSubsystem), std::string(kLogCategory))
        .notice("app group " + group.value_or("nil") + " suite " + (m_suite ? "ok" : "nil"));
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
    const std::optional<DefaultsFolder>& target = m_suite ? m_suite : m_standard;
    return target && target->write(kRecordKey, encodeJSON(state));
}

} // namespace quillon
