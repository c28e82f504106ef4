// What the program asks of the machinery that updates it: whether a check may start now, the
// automatic-check setting, the date of the last check, and a check the user asks for. The
// self-updater below is the real one; tests put their own in its place.
#pragma once

#include "platform/calendar/instant.h"

#include <QObject>

#include <optional>

namespace quillon {

class UpdateEngine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts the scheduled, automatic side: the question on the second start, the daily checks.
    virtual void start() = 0;
    virtual bool canCheckForUpdates() const = 0;
    virtual bool automaticallyChecksForUpdates() const = 0;
    virtual void setAutomaticallyChecksForUpdates(bool checks) = 0;
    virtual std::optional<Instant> lastUpdateCheckDate() const = 0;
    // A check the user asked for, with its own windows; it reports nothing back.
    virtual void checkForUpdates() = 0;

signals:
    void canCheckForUpdatesChanged(bool canCheck);
};

} // namespace quillon
