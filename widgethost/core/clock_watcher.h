// Tells when the wall clock jumps (set by hand or by the network, or on resume from suspend) or
// the machine's zone changes, without polling: timelines must then be looked at again.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSocketNotifier>

#include <QStringList>

#include <memory>

namespace quillon::widgethost {

class ClockWatcher final : public QObject {
    Q_OBJECT

public:
    // The zone files are the machine's own unless a test names others.
    explicit ClockWatcher(
        QStringList zoneFiles = {"/etc/localtime", "/etc/timezone"}, QObject* parent = nullptr);
    ~ClockWatcher() override;

signals:
    void clockJumped();
    void zoneChanged();

private:
    void arm();
    void watchZone();

    int m_timer = -1; // a timerfd that the kernel cancels whenever the wall clock is set
    std::unique_ptr<QSocketNotifier> m_notifier;
    QStringList m_zoneFiles;
    QFileSystemWatcher m_zone;
};

} // namespace quillon::widgethost
