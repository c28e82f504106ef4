// The program's texts in the user's language: the product's catalogue and Qt's own.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>
#include <memory>

namespace quillon {

// The user's languages, most wanted first, as gettext reads them: the list in LANGUAGE, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. Each is cut to its language and territory
// ("de_DE.UTF-8@euro" gives "de_DE"); "C" and "POSIX" give "en". `variable` reads one variable.
QStringList userLanguages(const std::function<QString(const char*)>& variable);
// The same, read from the environment.
QStringList userLanguages();

// The product's catalogue for the first of `languages` that has one in one of `folders`, trying
// "de_DE" and then "de"; English, whose catalogue holds only the plural forms, when none has.
// Loaded, not installed; nothing when no catalogue was found at all.
std::unique_ptr<QTranslator> loadCatalogue(const QStringList& languages, const QStringList& folders);

// Installs the catalogue loadCatalogue finds, for as long as the application object lives. Qt's own
// translations follow the same language. Returns the catalogue's language ("de", "en"), or an
// empty text when no catalogue was found at all. Needs the application object.
QString installTranslations(const QStringList& languages, const QStringList& folders);

// The same for the languages of the environment: call once, after the application object exists
// and before any window or plug-in is made.
QString installTranslations(const QStringList& folders);

// Where the catalogues are: beside the program, in an install and in a build tree alike.
QStringList translationFolders();
// The same for a widget plug-in, from its own file in lib/quillon/widgets/.
QStringList pluginTranslationFolders(const QString& pluginFile);

} // namespace quillon
