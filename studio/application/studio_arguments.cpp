// Qt's options are those QCoreApplication, QGuiApplication, QApplication and the X11 and other
// platforms of Qt 6 take out of the argument vector, each with one dash or two. Qt takes some only
// on its X11 platform (-display, -geometry, …); they are set aside here whatever the platform, and
// what Qt leaves in the application's arguments is not read again.
#include "studio/application/studio_arguments.h"

#include "scenes/widget_link.h"

#include <algorithm>
#include <array>

namespace quillon {
namespace {

struct QtOption {
    std::string_view name; // with one dash
    bool valued = false; // the next argument is its value
    bool joined = false; // it also comes as -name=value
};

constexpr std::array kQtOptions = {
    // QGuiApplication
    QtOption {"-platform", true},
    QtOption {"-platformpluginpath", true},
    QtOption {"-platformtheme", true},
    QtOption {"-plugin", true},
    QtOption {"-qwindowgeometry", true},
    QtOption {"-qwindowicon", true},
    QtOption {"-qwindowtitle", true},
    QtOption {"-reverse"},
    QtOption {"-testability"},
    QtOption {"-session", true},
    // the X11 platform, and QGuiApplication on it
    QtOption {"-display", true},
    QtOption {"-name", true},
    QtOption {"-visual", true},
    QtOption {"-geometry", true},
    QtOption {"-title", true},
    QtOption {"-icon", true},
    QtOption {"-nograb"},
    QtOption {"-dograb"},
    // QApplication
    QtOption {"-style", true, true},
    QtOption {"-stylesheet", true, true},
    QtOption {"-widgetcount"},
    QtOption {"-qdebug"},
    QtOption {"-qdevel"},
    // QCoreApplication
    QtOption {"-qmljsdebugger", true, true},
};

// The Qt option `argument` is, spelt with one dash: Qt reads --platform as -platform.
const QtOption* qtOption(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    for (const QtOption& option : kQtOptions) {
        if (argument == option.name)
            return &option;
        if (option.joined && argument.starts_with(option.name) && argument.size() > option.name.size()
            && argument[option.name.size()] == '=')
            return &option;
    }
    return nullptr;
}

} // namespace

bool isQuillonLink(std::string_view argument)
{
    constexpr std::string_view kScheme = "quillon:";
    return argument.size() >= kScheme.size()
        && std::equal(kScheme.begin(), kScheme.end(), argument.begin(), [](char expected, char given) {
               return expected
                   == (given >= 'A' && given <= 'Z' ? static_cast<char>(given - 'A' + 'a') : given);
           });
}

std::variant<StudioArguments, CommandLineError> readStudioArguments(const std::vector<std::string>& arguments)
{
    StudioArguments read;
    std::optional<CommandLineError> error;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (const QtOption* option = qtOption(argument)) {
            // Qt takes a valued option that ends the line without a value, or leaves it; either way
            // it means nothing.
            if (option->valued && argument.find('=') == std::string::npos && index + 1 < arguments.size()) {
                const std::string& value = arguments[++index];
                if (option->name == "-platform")
                    read.qtPlatform = value;
                else if (option->name == "-display")
                    read.x11Display = value;
            }
            continue;
        }
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            // The first of them is answered, whatever else is wrong: they need nothing else.
            if (read.request == StudioArguments::Request::open)
                read.request = argument == "--version" ? StudioArguments::Request::version
                                                       : StudioArguments::Request::help;
            continue;
        }
        if (argument.starts_with("-")) {
            if (!error)
                error = CommandLineError {CommandLineFault::unknownOption, argument};
            continue;
        }
        if (!isQuillonLink(argument)) {
            if (!error)
                error = CommandLineError {CommandLineFault::unknownArgument, argument};
            continue;
        }
        // A quillon: link that names no kind is ignored, as docs/interfaces.md says.
        if (!read.link && argument.size() <= kMaxLinkLength && kindFromWidgetLink(argument))
            read.link = argument;
    }
    if (read.request == StudioArguments::Request::open && error)
        return *error;
    return read;
}

} // namespace quillon
