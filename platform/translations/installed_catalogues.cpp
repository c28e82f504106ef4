// The record of installed catalogues, as a property of the application object.
#include "platform/translations/installed_catalogues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVariant>

namespace quillon {
namespace {

// Every copy of this library in the process names the property the same.
constexpr const char* kProperty = "quillonInstalledCatalogues";

// A program and a plug-in reach one file by different paths: bin/../share/... and
// lib/quillon/widgets/../../../share/...
QString canonical(const QString& file)
{
    const QFileInfo info(file);
    const QString path = info.canonicalFilePath();
    return path.isEmpty() ? info.absoluteFilePath() : path;
}

void store(const QStringList& files)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->setProperty(kProperty, files);
}

} // namespace

QStringList installedCatalogues()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application ? application->property(kProperty).toStringList() : QStringList();
}

bool isCatalogueInstalled(const QString& file)
{
    return installedCatalogues().contains(canonical(file));
}

void noteCatalogueInstalled(const QString& file)
{
    store(installedCatalogues() << canonical(file));
}

void noteCatalogueRemoved(const QString& file)
{
    QStringList files = installedCatalogues();
    files.removeOne(canonical(file));
    store(files);
}

} // namespace quillon
