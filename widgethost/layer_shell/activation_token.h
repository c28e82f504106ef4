// An activation token: the compositor's leave for a window of another program, opened or called on
// the user's behalf, to come forward. It is asked for with the serial of the click or touch on one of
// our surfaces that asked for it, and handed to that program, which activates its window with it.
#pragma once

#include "widgethost/layer_shell/wayland_display.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

struct xdg_activation_token_v1;

namespace quillon::widgethost {

class ActivationToken final : public QObject {
    Q_OBJECT

public:
    // Asks for one for the event `serial` on `surface`. Gone before the answer, it asks no more.
    ActivationToken(WaylandDisplay& display, wl_surface* surface, std::uint32_t serial);
    ~ActivationToken() override;

signals:
    // Once, always after the constructor has returned: empty where the compositor gives none, or not
    // in time.
    void done(const QString& token);

private:
    void finish(const QString& token);
    friend struct ActivationTokenListeners;

    xdg_activation_token_v1* m_token = nullptr;
    QTimer m_deadline;
    bool m_done = false;
};

} // namespace quillon::widgethost
