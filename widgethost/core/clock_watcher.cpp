// A far-future CLOCK_REALTIME timer with TFD_TIMER_CANCEL_ON_SET: its read fails with ECANCELED
// each time the clock is set, which the kernel also does after a resume.
#include "widgethost/core/clock_watcher.h"

#include <cerrno>
#include <cstdint>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>
#include <utility>

namespace quillon::widgethost {

ClockWatcher::ClockWatcher(QStringList zoneFiles, QObject* parent)
    : QObject(parent)
    , m_zoneFiles(std::move(zoneFiles))
{
    m_timer = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timer >= 0) {
        arm();
        m_notifier = std::make_unique<QSocketNotifier>(m_timer, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            const ssize_t got = ::read(m_timer, &expirations, sizeof expirations);
            if (got < 0 && errno == ECANCELED) {
                arm();
                emit clockJumped();
            }
        });
    }
    // A zone change replaces /etc/localtime (often by a new symlink), so the watch is renewed.
    connect(&m_zone, &QFileSystemWatcher::fileChanged, this, [this] {
        watchZone();
        emit zoneChanged();
    });
    watchZone();
}

ClockWatcher::~ClockWatcher()
{
    m_notifier.reset();
    if (m_timer >= 0)
        ::close(m_timer);
}

void ClockWatcher::arm()
{
    itimerspec farAway {};
    // Far enough away that only the cancellation ever wakes it (year 2223, or 2038 where time_t
    // is 32 bits wide).
    if constexpr (sizeof(time_t) >= 8)
        farAway.it_value.tv_sec = static_cast<time_t>(8'000'000'000LL);
    else
        farAway.it_value.tv_sec = std::numeric_limits<time_t>::max();
    ::timerfd_settime(m_timer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farAway, nullptr);
}

void ClockWatcher::watchZone()
{
    for (const QString& file : m_zoneFiles) {
        if (!m_zone.files().contains(file))
            m_zone.addPath(file);
    }
}

} // namespace quillon::widgethost
