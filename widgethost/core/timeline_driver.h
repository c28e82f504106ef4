// Keeps one placed widget's timeline current: fetches it off the main thread, shows the entry whose
// date has come, wakes exactly at the next date, and asks again when the timeline is used up, when
// told to reload, or after a failed or slow request (with growing pauses).
#pragma once

#include "widget_plugin/widget_plugin.h"
#include "widgethost/core/timeline_schedule.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace quillon::widgethost {

class TimelineDriver final : public QObject {
    Q_OBJECT

public:
    // Runs on a worker thread; nothing means the request failed.
    using Fetch = std::function<std::optional<Timeline>()>;
    // Seconds since 2001-01-01T00:00:00Z; the wall clock, or a test's.
    using Clock = std::function<double()>;

    static constexpr std::chrono::milliseconds kRequestTimeout {2000};
    static constexpr std::chrono::milliseconds kFirstRetry {1000};
    static constexpr std::chrono::milliseconds kLongestRetry {60000};

    TimelineDriver(Fetch fetch, Clock clock, TimelineEntry placeholder, QObject* parent = nullptr);
    ~TimelineDriver() override;

    // Asks for a timeline now (the first one, or after a reload signal or a settings change).
    void reload();
    // Looks at the clock again, as after a jump of the wall clock or a change of zone.
    void reschedule();

    const TimelineEntry& current() const { return m_current; }
    int requests() const { return m_requests; }

signals:
    void entryChanged();

private:
    void request();
    void received(std::uint64_t generation, std::optional<Timeline> timeline);
    void retryLater();
    void step(bool mayRequest = true);

    struct Shared; // lives as long as any request still running on a worker
    std::shared_ptr<Shared> m_shared;
    Clock m_clock;
    Timeline m_timeline;
    TimelineEntry m_current;
    QTimer m_wake;
    QTimer m_timeout;
    QTimer m_retry;
    std::chrono::milliseconds m_retryDelay = kFirstRetry;
    std::uint64_t m_generation = 0;
    bool m_waiting = false;
    int m_requests = 0;
};

} // namespace quillon::widgethost
