// The product's catalogue, installed by code that a program loads (a widget plug-in): a host that is
// not one of the product's programs installs none, and would show the plug-in's texts in English.
#pragma once

#include <QStringList>
#include <QTranslator>

#include <memory>

namespace quillon {

class PluginTranslator {
public:
    // Installs the catalogue of the environment's language from `folders`, as installTranslations
    // picks it, unless that very file is installed already (the product's own programs install it
    // before they load plug-ins) or there is no application object.
    explicit PluginTranslator(const QStringList& folders);
    // Removes the catalogue this object installed.
    ~PluginTranslator();
    PluginTranslator(const PluginTranslator&) = delete;
    PluginTranslator& operator=(const PluginTranslator&) = delete;

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace quillon
