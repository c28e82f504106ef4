#include "platform/translations/translations.h"

#include <QCoreApplication>
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

// Owned by the application object, which outlives every window that shows a translated text.
QTranslator* load(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(name, folder))
            return translator;
        delete translator;
    }
    return nullptr;
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

QString installTranslations(const QStringList& languages, const QStringList& folders)
{
    QStringList names;
    for (const QString& wanted : languages + QStringList {"en"})
        names << wanted << wanted.section('_', 0, 0);
    names.removeDuplicates();
    QString language;
    QTranslator* product = nullptr;
    for (const QString& name : names) {
        if ((product = load(kCatalogue + name, folders))) {
            language = name.section('_', 0, 0);
            break;
        }
    }
    if (!product)
        return {};
    QCoreApplication::installTranslator(product);
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
    return installTranslations(
        userLanguages([](const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }), folders);
}

QStringList translationFolders()
{
    return {QCoreApplication::applicationDirPath() + "/../share/quillon/translations"};
}

} // namespace quillon
