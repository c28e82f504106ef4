// Exec lines for paths a user may unpack a copy under: read back word for word as a desktop and
// the bus read them, and accepted by desktop-file-validate.
#include "platform/desktop/desktop_entry.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// A desktop entry's string value as a reader takes it: \s, \n, \t, \r and \\ stand for what they
// escape.
std::string unescapedValue(const std::string& value)
{
    std::string text;
    for (std::size_t index = 0; index < value.size(); ++index) {
        if (value[index] != '\\' || index + 1 == value.size()) {
            text += value[index];
            continue;
        }
        const char next = value[++index];
        text += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
    }
    return text;
}

// The words of an Exec value after string unescaping: quoted words may hold spaces, and inside the
// quotes a backslash takes the next character literally; %% is a lone %.
std::vector<std::string> execWords(const std::string& exec, bool fieldCodes)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (std::size_t index = 0; index < exec.size(); ++index) {
        const char character = exec[index];
        if (quoted && character == '\\' && index + 1 < exec.size()) {
            word += exec[++index];
        } else if (character == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && character == ' ') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else if (fieldCodes && character == '%' && index + 1 < exec.size() && exec[index + 1] == '%') {
            word += '%';
            ++index;
            inWord = true;
        } else {
            word += character;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::string valueOf(const std::string& text, const std::string& key)
{
    const std::size_t start = text.find("\n" + key + "=");
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + key.size() + 2;
    return text.substr(from, text.find('\n', from) - from);
}

// Runs desktop-file-validate on the file; its output, empty when the entry is valid.
std::string validationProblems(const fs::path& file)
{
    const std::string command = "desktop-file-validate '" + file.string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return "desktop-file-validate could not be started";
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        output += "(exit status " + std::to_string(WEXITSTATUS(status)) + ")";
    return output;
}

TEST(DesktopEntry, AProgramUnderAnAwkwardPathIsOneExactWordInEveryEntry)
{
    const fs::path folder = fs::temp_directory_path() / ("desktop-entry-test-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::vector<fs::path> programs = {
        "/home/ann/Apps/Quillon-0.2.0-Linux/quillon-widgets",
        "/home/ann/My Apps/Quillon \"beta\"/100% done/quillon-widgets",
        "/home/ann/odd $HOME `date` \\ back/quillon-widgets",
    };
    for (const fs::path& program : programs) {
        SCOPED_TRACE(program.string());
        const std::string entry = autostartEntry("Quillon Widgets", program);
        const fs::path file = folder / "com.quillon.WidgetHost.desktop";
        std::ofstream(file, std::ios::trunc) << entry;
        EXPECT_EQ(validationProblems(file), "");
        EXPECT_EQ(execWords(unescapedValue(valueOf(entry, "Exec")), true),
            std::vector<std::string> {program.string()});

        const std::string service
            = "[D-BUS Service]\nName=com.quillon.WidgetHost\nExec=" + serviceExecProgram(program) + "\n";
        EXPECT_EQ(execWords(valueOf(service, "Exec"), false), std::vector<std::string> {program.string()});
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace quillon
