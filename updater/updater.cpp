#include "updater/updater.h"

#include <algorithm>
#include <cctype>

namespace quillon {

Updater::Updater(const BuildInfo& info, std::unique_ptr<UpdateEngine> engine, DevelopmentBuildNotice notice,
    QObject* parent)
    : QObject(parent)
    , m_enabled(selfUpdatingEnabled(info))
    , m_engine(std::move(engine))
    , m_notice(std::move(notice))
{
    if (m_enabled)
        m_engine->start();
    connect(m_engine.get(), &UpdateEngine::canCheckForUpdatesChanged, this, [this](bool canCheck) {
        if (canCheck == m_canCheckForUpdates)
            return;
        m_canCheckForUpdates = canCheck;
        emit canCheckForUpdatesChanged();
        // A check has ended: the date of the last one, and maybe the answer to the question, changed.
        if (canCheck)
            refresh();
    });
    m_canCheckForUpdates = m_engine->canCheckForUpdates();
    refresh();
}

bool Updater::selfUpdatingEnabled(const BuildInfo& info)
{
    return std::any_of(info.feedURL.begin(), info.feedURL.end(),
        [](char c) { return !std::isspace(static_cast<unsigned char>(c)); });
}

void Updater::setAutomaticallyChecks(bool checks)
{
    if (checks != m_automaticallyChecks) {
        m_automaticallyChecks = checks;
        emit automaticallyChecksChanged();
    }
    if (m_enabled && m_engine->automaticallyChecksForUpdates() != checks)
        m_engine->setAutomaticallyChecksForUpdates(checks);
}

void Updater::checkForUpdates()
{
    if (m_enabled)
        m_engine->checkForUpdates();
    else if (m_notice)
        m_notice();
}

void Updater::refresh()
{
    if (!m_enabled)
        return;
    setAutomaticallyChecks(m_engine->automaticallyChecksForUpdates());
    const std::optional<Instant> lastCheck = m_engine->lastUpdateCheckDate();
    if (lastCheck != m_lastCheck) {
        m_lastCheck = lastCheck;
        emit lastCheckChanged();
    }
}

} // namespace quillon
