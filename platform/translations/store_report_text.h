// Why a settings file could not be read or written, in the user's language, for the sentence each
// program says it in: "Your changes could not be saved: <reason>."
#pragma once

#include "platform/store/store_report.h"

#include <QString>

namespace quillon {

// "the folder ~/.config/quillon is read-only": the report's path with the home folder as "~".
QString storeProblemReason(const StoreReport& report);

// A path as a person reads it: under the home folder it starts with "~".
QString pathForPeople(const std::filesystem::path& path);

} // namespace quillon
