// com.quillon.WidgetSettings on the session bus: how the host, and a second start of the settings
// program, bring its windows forward and show the host's notes in the gallery.
#pragma once

#include "widgethost/settings/widget_settings.h"

#include <QDBusAbstractAdaptor>

namespace quillon::widgethost {

class WidgetSettingsAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO(
        "D-Bus Interface", "com.quillon.WidgetSettings") // kSettingsInterface: moc takes literals only

public:
    WidgetSettingsAdaptor(QObject* parent, WidgetSettings& settings);

public slots:
    void ShowGallery();
    void EditWidget(const QString& id);
    // The host's note for the gallery: whether the gallery was open to show it.
    bool ShowNote(const QString& text);

private:
    WidgetSettings& m_settings;
};

} // namespace quillon::widgethost
