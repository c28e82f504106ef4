// Writing the rendered output to a file so that a failed write never costs the file already there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Puts `bytes` at `path` whole or not at all: they go to a new file in the same folder, which is
// synced and then renamed over `path`. On failure that file is removed, `path` is as it was, and the
// result says why (strerror's words). A path that is a device or a pipe, such as /dev/stdout, is
// written directly: there is no file there to keep.
std::optional<std::string> replaceFileContents(const std::string& path, std::string_view bytes);

} // namespace quillon
