// One studio per session: the first takes the bus name and offers org.freedesktop.Application;
// a second start hands its link to the first and ends.
#pragma once

#include "platform/session_bus/studio_bus.h"

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>

#include <optional>
#include <string>

namespace quillon {

inline constexpr const char* kApplicationBusName = kStudioBusName;
inline constexpr const char* kApplicationObjectPath = kStudioObjectPath;

// The freedesktop application interface, exported on an object that handles its signals.
class ApplicationAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(QObject* application);

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter, const QVariantMap& platformData);

signals:
    // `activationToken`: the Wayland compositor's leave for the window to come forward, when the
    // caller had one to give (empty otherwise).
    void activated(const QString& activationToken);
    void opened(const QStringList& uris, const QString& activationToken);
};

enum class InstanceRole {
    primary, // owns the bus name; links arrive through the adaptor's signals
    forwarded, // another studio runs and has been handed the link: end now
    standalone, // no session bus, or the other studio did not answer: run on our own
};

// Claims the bus name for `application` (exporting the adaptor on it), or forwards the link (or
// an activation without one) to the studio that holds the name.
InstanceRole claimSingleInstance(
    QObject* application, ApplicationAdaptor* adaptor, const std::optional<std::string>& link);

} // namespace quillon
