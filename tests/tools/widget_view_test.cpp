// The widget viewer run as a user runs it: by either of the two programs that carry it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quillon {
namespace {

std::string outputOf(const std::string& command)
{
    std::string output;
    if (FILE* pipe = ::popen((command + " 2>&1 </dev/null").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        ::pclose(pipe);
    }
    return output;
}

// The host carries the viewer too; each names itself in its errors and its usage, so that a user
// knows which program to ask for --help.
TEST(WidgetViewTool, ErrorsAndUsageNameTheProgramThatWasRun)
{
    for (const std::string& program :
        {std::string(QUILLON_WIDGET_VIEW_PATH), std::string(QUILLON_WIDGET_HOST_PATH)}) {
        const std::string name = program.substr(program.rfind('/') + 1);
        SCOPED_TRACE(name);
        EXPECT_EQ(outputOf("QT_QPA_PLATFORM=offscreen '" + program + "' --list --bogus"),
            name + ": unknown argument '--bogus': see --help\n");
        EXPECT_EQ(outputOf("QT_QPA_PLATFORM=offscreen '" + program + "' --list --help")
                      .rfind("usage: " + name + " ", 0),
            0u);
    }
}

} // namespace
} // namespace quillon
