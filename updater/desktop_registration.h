// A copy unpacked from the download is unknown to the desktop until it says where it is. Its desktop
// entries, icon and bus services are written into the user's data folder (~/.local/share), naming
// the copy's launchers (<root>/quillon, <root>/quillon-widgets), which stay where they are across
// updates. Files that another install wrote (a package, a build installed under ~/.local) are left
// alone; files an earlier copy wrote are brought up to date, as after the folder was moved.
#pragma once

#include "platform/desktop/self_updating_copy.h"

#include <filesystem>
#include <string_view>

namespace quillon {

// Returns how many files were written.
int registerWithDesktop(const SelfUpdatingInstall& install, const std::filesystem::path& dataHome);

} // namespace quillon
