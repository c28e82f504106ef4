// Asking the compositor for an activation token and waiting for it.
#include "widgethost/layer_shell/activation_token.h"

#include "xdg-activation-v1-client.h"

#include <wayland-client.h>

#include <chrono>

namespace quillon::widgethost {
namespace {

// A compositor answers within the round trip; one that does not must not hold the click up for long.
constexpr std::chrono::milliseconds kDeadline {500};

} // namespace

struct ActivationTokenListeners {
    static void done(void* data, xdg_activation_token_v1*, const char* token)
    {
        static_cast<ActivationToken*>(data)->finish(QString::fromUtf8(token));
    }
    static constexpr xdg_activation_token_v1_listener token {done};
};

ActivationToken::ActivationToken(WaylandDisplay& display, wl_surface* surface, std::uint32_t serial)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish({}); });
    if (!display.activation()) {
        m_deadline.start(0);
        return;
    }
    m_token = xdg_activation_v1_get_activation_token(display.activation());
    xdg_activation_token_v1_add_listener(m_token, &ActivationTokenListeners::token, this);
    if (display.seat())
        xdg_activation_token_v1_set_serial(m_token, serial, display.seat());
    xdg_activation_token_v1_set_surface(m_token, surface);
    xdg_activation_token_v1_commit(m_token);
    display.flush();
    m_deadline.start(kDeadline);
}

ActivationToken::~ActivationToken()
{
    if (m_token)
        xdg_activation_token_v1_destroy(m_token);
}

void ActivationToken::finish(const QString& token)
{
    if (m_done)
        return;
    m_done = true;
    m_deadline.stop();
    emit done(token);
}

} // namespace quillon::widgethost
