// Stands in for the machinery of updating in tests: answers from its fields and counts what it is
// asked to do.
#pragma once

#include "updater/update_engine.h"

namespace quillon::testing {

class RecordingUpdateEngine final : public UpdateEngine {
public:
    void start() override { ++starts; }
    bool canCheckForUpdates() const override { return canCheck; }
    bool automaticallyChecksForUpdates() const override { return automatic; }
    void setAutomaticallyChecksForUpdates(bool value) override
    {
        automatic = value;
        ++writes;
    }
    std::optional<Instant> lastUpdateCheckDate() const override { return lastCheck; }
    void checkForUpdates() override { ++checks; }

    // As the engine reports a check starting (false) or ending (true).
    void reportCanCheck(bool value)
    {
        canCheck = value;
        emit canCheckForUpdatesChanged(value);
    }

    bool canCheck = true;
    bool automatic = false;
    std::optional<Instant> lastCheck;
    int starts = 0;
    int writes = 0;
    int checks = 0;
};

} // namespace quillon::testing
