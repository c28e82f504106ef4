// Which of the product's catalogue files are installed in the process. A widget plug-in carries its
// own copy of this library, so the record is kept where the program's copy and every plug-in's see
// it: on the application object. Without one, nothing is recorded.
#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

// The catalogue files installed, by their canonical paths.
QStringList installedCatalogues();
bool isCatalogueInstalled(const QString& file);

void noteCatalogueInstalled(const QString& file);
void noteCatalogueRemoved(const QString& file);

} // namespace quillon
