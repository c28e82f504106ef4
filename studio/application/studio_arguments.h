// The studio's command line, read before the application object exists: Qt's own options set
// aside, the studio's checked, so that a wrong argument is told before any display is needed.
#pragma once

#include "platform/command_line/command_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillon {

struct StudioArguments {
    enum class Request { open, help, version };
    Request request = Request::open;
    // The first widget link that names a kind; other quillon: links are ignored.
    std::optional<std::string> link;
    // The values of Qt's -platform and -display, which decide the display Qt opens.
    std::optional<std::string> qtPlatform;
    std::optional<std::string> x11Display;
    bool operator==(const StudioArguments&) const = default;
};

// A link of the quillon: scheme, whatever it names; the scheme in any case, as URI schemes are.
bool isQuillonLink(std::string_view argument);

// `arguments` as main() gets them, without the program's name. --help, -h and --version are
// answered wherever they stand; otherwise the first argument that is neither one of Qt's options
// (with its value), nor --help or --version, nor a quillon: link is the error: an unknownOption when
// it starts with '-', an unknownArgument when not.
std::variant<StudioArguments, CommandLineError> readStudioArguments(
    const std::vector<std::string>& arguments);

} // namespace quillon
