// The studio application: its one window, and the links and activations that reach it.
#pragma once

#include "platform/desktop/running_version.h"
#include "platform/session_bus/dbus_timeline_reloader.h"
#include "studio/application/application_service.h"
#include "studio/application/update_windows.h"
#include "studio/model/state_store.h"
#include "studio/window/studio_window.h"
#include "updater/updater.h"

#include <QObject>
#include <QSettings>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillon {

class StudioApplication final : public QObject {
    Q_OBJECT

public:
    StudioApplication();
    ~StudioApplication() override;

    // Becomes the session's studio, or hands the link to the one already running. Returns false
    // when this process should end because another studio took over.
    bool start(const std::optional<std::string>& link);

    StudioWindow* window() { return m_window.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QStringList& links, const QString& activationToken);
    // Runs `bringForward`, which brings the window forward, with the compositor's leave where there
    // is one: on Wayland a window comes forward only with a token from the compositor, which the
    // caller asked for with the user's click.
    void comeForward(const QString& activationToken, const std::function<void()>& bringForward);

    ApplicationAdaptor* m_adaptor; // owned by this object, as D-Bus adaptors are
    SharedStateStore m_store;
    DBusTimelineReloader m_reloader;
    QSettings m_settings; // the studio's own, apart from the shared record
    UpdateWindows m_updateWindows;
    std::unique_ptr<RunningVersionMark> m_runningVersion;
    std::unique_ptr<StudioWindow> m_window;
    std::unique_ptr<Updater> m_updater;
    // A token that came before the window was on the screen, for when it is.
    QString m_waitingActivationToken;
    bool m_windowShown = false; // on the screen at least once
};

} // namespace quillon
