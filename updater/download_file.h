// Where a download is written: a file of the user's alone in the install's folder (on the disk
// the release will be unpacked to, so that a full disk shows while downloading), without a name.
// Only the descriptor reaches it: nothing can open it by name, put a pipe or a link in its place,
// or find it left behind after the program ends, however it ends.
#pragma once

#include "updater/file_descriptor.h"

#include <filesystem>

namespace quillon {

// A new, empty file open for reading and writing, or a closed descriptor with the reason in
// `error`. File systems without unnamed files get a fresh name that is removed at once.
FileDescriptor createDownloadFile(const std::filesystem::path& folder, int& error);

} // namespace quillon
