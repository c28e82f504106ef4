#include "platform/desktop/desktop_entry.h"

namespace quillon {
namespace {

// One double-quoted argument; `reserved` are the characters that take a backslash inside it.
std::string quotedArgument(const std::string& text, std::string_view reserved)
{
    std::string argument = "\"";
    for (char character : text) {
        if (reserved.find(character) != std::string_view::npos)
            argument += '\\';
        argument += character;
    }
    return argument + '"';
}

} // namespace

std::string desktopEntryExecProgram(const std::filesystem::path& program)
{
    std::string value;
    for (char character : quotedArgument(program.string(), "\"`$\\")) {
        if (character == '\\' || character == '%')
            value += character;
        value += character;
    }
    return value;
}

std::string serviceExecProgram(const std::filesystem::path& program)
{
    return quotedArgument(program.string(), "\"\\");
}

std::string autostartEntry(const std::string& name, const std::filesystem::path& program)
{
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + desktopEntryExecProgram(program)
        + "\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n";
}

} // namespace quillon
