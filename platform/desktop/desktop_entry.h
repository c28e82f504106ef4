// Writing the lines of desktop entries and D-Bus service files that start a program: the one place
// that knows their quoting, so that a copy unpacked under a path with a space, a quote or a % still
// starts.
#pragma once

#include <filesystem>
#include <string>

namespace quillon {

// The program as the first word of a desktop entry's Exec value, by freedesktop.org's rules for
// the Exec key: quoted, with ", `, $ and \ escaped inside the quotes, then every backslash
// escaped once more as in any string value, and % doubled for the field codes.
std::string desktopEntryExecProgram(const std::filesystem::path& program);

// The program as a D-Bus service file's Exec value: one quoted word, with " and \ escaped.
std::string serviceExecProgram(const std::filesystem::path& program);

// A hidden autostart entry that starts `program` when the user logs in.
std::string autostartEntry(const std::string& name, const std::filesystem::path& program);

} // namespace quillon
