// The program's view of updating: whether this build updates itself at all (a release build names
// its update feed in its information record; a development build does not), and three values
// mirrored from the update machinery for the menus and the settings window.
#pragma once

#include "platform/info/build_info.h"
#include "updater/update_engine.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace quillon {

class Updater final : public QObject {
    Q_OBJECT

public:
    // Says why nothing happens when a development build is asked to check.
    using DevelopmentBuildNotice = std::function<void()>;

    // Self-updating is on when the record's feed URL is not blank. The engine is started only then;
    // otherwise it is kept but never used.
    Updater(const BuildInfo& info, std::unique_ptr<UpdateEngine> engine, DevelopmentBuildNotice notice,
        QObject* parent = nullptr);

    static bool selfUpdatingEnabled(const BuildInfo& info);

    bool isEnabled() const { return m_enabled; }
    bool canCheckForUpdates() const { return m_canCheckForUpdates; }
    std::optional<Instant> lastCheck() const { return m_lastCheck; }
    bool automaticallyChecks() const { return m_automaticallyChecks; }

    // Writes through to the engine only when self-updating is on and the engine's value differs.
    void setAutomaticallyChecks(bool checks);
    void checkForUpdates();
    // Reads the automatic-check setting and the last check date from the engine again.
    void refresh();

signals:
    void canCheckForUpdatesChanged();
    void lastCheckChanged();
    void automaticallyChecksChanged();

private:
    bool m_canCheckForUpdates = false;
    std::optional<Instant> m_lastCheck;
    bool m_automaticallyChecks = false;
    bool m_enabled = false;
    std::unique_ptr<UpdateEngine> m_engine;
    DevelopmentBuildNotice m_notice;
};

} // namespace quillon
