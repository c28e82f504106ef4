// Writing a whole buffer to a file descriptor: a signal or a disk filling up part way can cut a
// write short, so the rest goes in further calls, and the call that fails leaves its reason in
// errno (ENOSPC, EFBIG, EIO for a write that wrote nothing and gave no reason).
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace quillon {

inline bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace quillon
