// Requests on worker threads, answers back on the main thread, wake-ups by one-shot timers.
#include "widgethost/core/timeline_driver.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>
#include <cmath>

namespace quillon::widgethost {

// What a worker needs even if the driver is gone by the time it finishes.
struct TimelineDriver::Shared {
    Fetch fetch;
};

TimelineDriver::TimelineDriver(Fetch fetch, Clock clock, TimelineEntry placeholder, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>(Shared {std::move(fetch)}))
    , m_clock(std::move(clock))
    , m_current(std::move(placeholder))
{
    for (QTimer* timer : {&m_wake, &m_timeout, &m_retry}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_wake, &QTimer::timeout, this, [this] { step(); });
    connect(&m_retry, &QTimer::timeout, this, &TimelineDriver::request);
    // A request that takes too long is given up; the face stays and the request is tried again.
    m_timeout.setInterval(kRequestTimeout);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        ++m_generation;
        m_waiting = false;
        retryLater();
    });
}

TimelineDriver::~TimelineDriver() = default;

void TimelineDriver::reload()
{
    m_retryDelay = kFirstRetry;
    m_retry.stop();
    request();
}

void TimelineDriver::request()
{
    const std::uint64_t generation = ++m_generation;
    m_waiting = true;
    ++m_requests;
    m_timeout.start();
    QPointer<TimelineDriver> driver(this);
    QThreadPool::globalInstance()->start([shared = m_shared, driver, generation] {
        std::optional<Timeline> timeline;
        try {
            timeline = shared->fetch();
        } catch (...) {
            // A plug-in that throws is a plug-in whose request failed.
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [driver, generation, timeline = std::move(timeline)]() mutable {
                if (driver)
                    driver->received(generation, std::move(timeline));
            },
            Qt::QueuedConnection);
    });
}

void TimelineDriver::received(std::uint64_t generation, std::optional<Timeline> timeline)
{
    // An answer to a request that was given up or replaced is not used.
    if (generation != m_generation || !m_waiting)
        return;
    m_waiting = false;
    m_timeout.stop();
    if (!timeline || timeline->entries.empty()) {
        retryLater();
        return;
    }
    m_timeline = std::move(*timeline);
    // A timeline already used up when it arrives would be asked for again and again: wait instead,
    // longer each time, as after a failure.
    const ScheduleStep next = scheduleStep(m_timeline, m_clock());
    if (next.refetchAtWake && next.wakeAt && *next.wakeAt <= m_clock()) {
        step(false);
        retryLater();
        return;
    }
    m_retryDelay = kFirstRetry;
    step();
}

void TimelineDriver::retryLater()
{
    m_retry.start(m_retryDelay);
    m_retryDelay = std::min(m_retryDelay * 2, kLongestRetry);
}

void TimelineDriver::reschedule()
{
    if (!m_timeline.entries.empty())
        step();
}

void TimelineDriver::step(bool mayRequest)
{
    const double now = m_clock();
    const ScheduleStep next = scheduleStep(m_timeline, now);
    if (next.shown) {
        const TimelineEntry& entry = m_timeline.entries[*next.shown];
        if (entry.date != m_current.date || entry.data != m_current.data) {
            m_current = entry;
            emit entryChanged();
        }
    }
    m_wake.stop();
    if (!next.wakeAt)
        return;
    if (next.refetchAtWake && *next.wakeAt <= now) {
        if (mayRequest && !m_waiting)
            request();
        return;
    }
    const double seconds = std::max(*next.wakeAt - now, 0.0);
    // Wake at the date itself: a millisecond late rather than early, so the entry has come.
    m_wake.start(static_cast<int>(std::min(std::ceil(seconds * 1000) + 1, 24.0 * 3600 * 1000)));
}

} // namespace quillon::widgethost
