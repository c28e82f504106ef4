#include "platform/translations/translations.h"

#include "platform/translations/installed_catalogues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

namespace quillon {
namespace {

constexpr const char* kCatalogue = "quillon_";

QString languageOf(QString setting)
{
    setting = setting.section('.', 0, 0).section('@', 0, 0).trimmed();
    if (setting == "C" || setting == "POSIX")
        return "en";
    return setting;
}

// The language of a catalogue file: "quillon_de.qm" holds German, as "quillon_de_AT.qm" would.
QString languageOfCatalogue(const QTranslator& catalogue)
{
    return QFileInfo(catalogue.filePath()).completeBaseName().section('_', 1, 1);
}

} // namespace

QStringList userLanguages(const std::function<QString(const char*)>& variable)
{
    QStringList languages;
    for (const QString& entry : variable("LANGUAGE").split(':', Qt::SkipEmptyParts))
        languages << languageOf(entry);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (!value.isEmpty()) {
            languages << languageOf(value);
            break;
        }
    }
    languages.removeAll(QString());
    return languages;
}

QStringList userLanguages()
{
    return userLanguages([](const char* name) { return QString::fromLocal8Bit(std::getenv(name)); });
}

std::unique_ptr<QTranslator> loadCatalogue(const QStringList& languages, const QStringList& folders)
{
    QStringList names;
    for (const QString& wanted : languages + QStringList {"en"})
        names << wanted << wanted.section('_', 0, 0);
    names.removeDuplicates();
    for (const QString& name : names) {
        for (const QString& folder : folders) {
            auto catalogue = std::make_unique<QTranslator>();
            if (catalogue->load(kCatalogue + name, folder))
                return catalogue;
        }
    }
    return nullptr;
}

QString installTranslations(const QStringList& languages, const QStringList& folders)
{
    std::unique_ptr<QTranslator> catalogue = loadCatalogue(languages, folders);
    if (!catalogue)
        return {};
    const QString language = languageOfCatalogue(*catalogue);
    // Owned by the application object, which outlives every window that shows a translated text.
    QTranslator* product = catalogue.release();
    product->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(product);
    noteCatalogueInstalled(product->filePath());
    // Qt's own texts (standard buttons, the context menus of text fields) in the same language.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (language != "en"
        && qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

QString installTranslations(const QStringList& folders)
{
    return installTranslations(userLanguages(), folders);
}

QStringList translationFolders()
{
    return {QCoreApplication::applicationDirPath() + "/../share/quillon/translations"};
}

QStringList pluginTranslationFolders(const QString& pluginFile)
{
    return {QFileInfo(pluginFile).absolutePath() + "/../../../share/quillon/translations"};
}

} // namespace quillon
