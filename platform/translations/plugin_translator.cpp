// A plug-in's catalogue, installed for the life of the plug-in object.
#include "platform/translations/plugin_translator.h"

#include "platform/translations/installed_catalogues.h"
#include "platform/translations/translations.h"

#include <QCoreApplication>

namespace quillon {

PluginTranslator::PluginTranslator(const QStringList& folders)
{
    if (!QCoreApplication::instance())
        return;
    std::unique_ptr<QTranslator> translator = loadCatalogue(userLanguages(), folders);
    // Two copies of one catalogue would give the same answers, each text looked up twice.
    if (!translator || isCatalogueInstalled(translator->filePath()))
        return;
    if (!QCoreApplication::installTranslator(translator.get()))
        return;
    noteCatalogueInstalled(translator->filePath());
    m_translator = std::move(translator);
}

PluginTranslator::~PluginTranslator()
{
    // Qt keeps a plug-in's object while its library is loaded: it may outlive the application object.
    if (!m_translator || !QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(m_translator.get());
    noteCatalogueRemoved(m_translator->filePath());
}

} // namespace quillon
