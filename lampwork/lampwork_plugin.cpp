// The plug-in's entry point: the object Qt's plug-in loader finds in the shared library.
#include "lampwork/lampwork_widgets.h"
#include "platform/translations/plugin_translator.h"
#include "platform/translations/translations.h"

#include <QFile>
#include <QObject>

#include <dlfcn.h>

namespace quillon {
namespace {

// The catalogues' folder, found from the file this code was loaded from.
QStringList ownTranslationFolders()
{
    static const char marker = 0;
    Dl_info info {};
    if (dladdr(&marker, &info) == 0 || !info.dli_fname)
        return {};
    return pluginTranslationFolders(QFile::decodeName(info.dli_fname));
}

} // namespace

// The object Qt's plug-in loader finds in the shared library.
class LampworkPlugin final : public QObject, public widgethost::WidgetPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillonWidgetPlugin_iid FILE "lampwork.json")
    Q_INTERFACES(quillon::widgethost::WidgetPlugin)

public:
    LampworkPlugin()
        : m_translator(ownTranslationFolders())
        , m_widgets(systemProviderSources())
    {
    }

    std::vector<widgethost::WidgetDescription> widgets() const override { return m_widgets.widgets(); }
    widgethost::TimelineEntry placeholder(
        const std::string& kind, const widgethost::HostContext& context) const override
    {
        return m_widgets.placeholder(kind, context);
    }
    widgethost::TimelineEntry snapshot(const std::string& kind, const std::string& configuration,
        const widgethost::HostContext& context) const override
    {
        return m_widgets.snapshot(kind, configuration, context);
    }
    widgethost::Timeline timeline(const std::string& kind, const std::string& configuration,
        const widgethost::HostContext& context) const override
    {
        return m_widgets.timeline(kind, configuration, context);
    }
    widgethost::Face content(const std::string& kind, const widgethost::TimelineEntry& entry,
        widgethost::WidgetFamily family) const override
    {
        return m_widgets.content(kind, entry, family);
    }
    std::vector<widgethost::Entity> entities(
        const std::string& type, const std::vector<std::string>& ids) const override
    {
        return m_widgets.entities(type, ids);
    }
    std::vector<widgethost::Entity> searchEntities(
        const std::string& type, const std::string& text) const override
    {
        return m_widgets.searchEntities(type, text);
    }
    std::vector<widgethost::Entity> suggestedEntities(const std::string& type) const override
    {
        return m_widgets.suggestedEntities(type);
    }

private:
    // Its texts in the user's language whatever the host, for as long as the plug-in is loaded.
    PluginTranslator m_translator;
    LampworkWidgets m_widgets;
};

} // namespace quillon

#include "lampwork_plugin.moc"
