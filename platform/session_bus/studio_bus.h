// The studio's place on the session bus, for the programs that open it: com.quillon.Quillon at
// /com/quillon/Quillon, with the freedesktop application interface. The bus starts the studio from
// its service file, which names the program by its full path, so this works whatever PATH holds.
#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>

namespace quillon {

inline constexpr const char* kStudioBusName = "com.quillon.Quillon";
inline constexpr const char* kStudioObjectPath = "/com/quillon/Quillon";
inline constexpr const char* kApplicationInterface = "org.freedesktop.Application";
inline constexpr const char* kApplicationOpenMethod = "Open";
// The platform data's entry for a Wayland compositor's activation token, which lets the studio's
// window come forward (xdg-activation).
inline constexpr const char* kActivationTokenKey = "activation-token";

// The platform data of a call to the studio: the token, where there is one.
QVariantMap platformDataWith(const QString& activationToken);
// The token the platform data brings, or an empty text.
QString activationTokenOf(const QVariantMap& platformData);

// Opens a link in the studio with Open(as uris, a{sv} platform data), starting the studio where it
// is not running; a non-empty `activationToken` goes in the platform data. Nothing waits:
// `otherwise` is called later, with the bus's reason, when there is no session bus or the call fails
// (no such service, the studio could not start, no answer).
void openInStudio(const QString& link, std::function<void(const QString& reason)> otherwise,
    const QString& activationToken = {});

} // namespace quillon
