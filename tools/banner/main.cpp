// quillon-banner: lines of text, or the time and date, as a dot-matrix display in the terminal.
#include "tools/banner/terminal_dots.h"

#include "core/dot_font.h"
#include "platform/calendar/calendar.h"
#include "platform/calendar/date_format.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillon;

constexpr const char* kUsage
    = "usage: quillon-banner [--theme THEME] [--cells N] [--plain] [LINE...]\n"
      "\n"
      "Shows each LINE as 5 x 7 dot text, or the time and date now when no LINE is given.\n"
      "  --theme THEME  midnight, obsidian, paper, matcha, lemon, sky, amber or phosphor\n"
      "                 (default: midnight on a terminal, no colours in a pipe)\n"
      "  --cells N      characters per line (default: the longest line)\n"
      "  --plain        no colours\n";

int fail(const std::string& message)
{
    std::cerr << "quillon-banner: " << message << "\n\n" << kUsage;
    return 2;
}

std::vector<std::string> timeAndDate()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const Instant instant = Instant::fromUnixSeconds(std::chrono::duration<double>(now).count());
    const TimeZone zone = TimeZone::current();
    return {formatPosixDate(instant, zone, "HH:mm"), formatPosixDate(instant, zone, "EEE dd MMM")};
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<ThemeID> themeID;
    bool plain = false;
    int cells = -1;
    std::vector<std::string> lines;

    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (argument == "--plain") {
            plain = true;
        } else if (argument == "--theme" || argument == "--cells") {
            if (index + 1 >= argc)
                return fail(argument + " needs a value");
            const std::string value = argv[++index];
            if (argument == "--theme") {
                themeID = themeIDFromRawValue(value);
                if (!themeID)
                    return fail("unknown theme '" + value + "'");
            } else {
                try {
                    std::size_t used = 0;
                    cells = std::stoi(value, &used);
                    if (used != value.size() || cells < 1 || cells > 200)
                        throw std::out_of_range(value);
                } catch (const std::exception&) {
                    return fail("--cells takes a whole number from 1 to 200");
                }
            }
        } else if (argument.starts_with("--")) {
            return fail("unknown option " + argument);
        } else {
            lines.push_back(argument);
        }
    }

    if (lines.empty())
        lines = timeAndDate();
    if (cells < 0) {
        cells = 1;
        for (const std::string& line : lines)
            cells = std::max(cells, static_cast<int>(DotFont::normalize(line).size()));
        cells = std::min(cells, 200);
    }

    // Colour by default on a terminal, and wherever a theme was asked for by name.
    std::optional<DotTheme> theme;
    if (!plain && (themeID || isatty(STDOUT_FILENO)))
        theme = themeTable()[themeID.value_or(ThemeID::midnight)];
    std::cout << terminalDots(DotGrid::text(lines, cells, 3), theme);
    return 0;
}
