// Word from the X server whenever the window manager restacks the windows: the widgets use it to
// stay over the desktop's own window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace quillon::widgethost {

// Calls `changed` once the window manager's stacking order (_NET_CLIENT_LIST_STACKING) has changed
// and settled: a burst of changes, or a window manager and a program that keep restacking in turn,
// makes one call in each short span. Does nothing outside X11.
class StackingWatch final : public QAbstractNativeEventFilter {
public:
    explicit StackingWatch(std::function<void()> changed);
    ~StackingWatch() override;
    StackingWatch(const StackingWatch&) = delete;
    StackingWatch& operator=(const StackingWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void()> m_changed;
    QTimer m_settle;
    std::uint32_t m_root = 0;
    std::uint32_t m_stacking = 0;
    bool m_installed = false;
};

} // namespace quillon::widgethost
