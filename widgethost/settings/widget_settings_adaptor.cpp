// Passing the bus's requests to the settings program's windows.
#include "widgethost/settings/widget_settings_adaptor.h"

namespace quillon::widgethost {

WidgetSettingsAdaptor::WidgetSettingsAdaptor(QObject* parent, WidgetSettings& settings)
    : QDBusAbstractAdaptor(parent)
    , m_settings(settings)
{
}

void WidgetSettingsAdaptor::ShowGallery()
{
    m_settings.showGallery();
}

void WidgetSettingsAdaptor::EditWidget(const QString& id)
{
    // Any caller may ask: an id that cannot be the host's is not passed on to it.
    if (couldBeWidgetId(id))
        m_settings.editWidget(id);
}

bool WidgetSettingsAdaptor::ShowNote(const QString& text)
{
    return m_settings.showNote(text);
}

} // namespace quillon::widgethost
