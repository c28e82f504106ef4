// The catalogues the build compiled: test programs live outside the build's bin/, so they do not
// find them beside themselves as the programs do.
#pragma once

#include <QStringList>

namespace quillon::testing {

QStringList builtCatalogueFolders();

} // namespace quillon::testing
