#include "updater/desktop_registration.h"

#include "platform/desktop/desktop_entry.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// Marks the files a self-updating copy wrote, so that it may write them again and no other.
constexpr std::string_view kMarker = "X-Quillon-Self-Updating-Copy=true";

struct Program {
    const char* busName; // also the desktop entry's name
    const char* executable; // in bin/ and as the launcher beside `current`
};
constexpr Program kPrograms[]
    = {{"com.quillon.Quillon", "quillon"}, {"com.quillon.WidgetHost", "quillon-widgets"}};

std::optional<std::string> readFile(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Writes the text unless the file is someone else's or already says the same; true when written.
bool writeOwned(const fs::path& file, const std::string& text)
{
    const std::optional<std::string> existing = readFile(file);
    if (existing && (existing->find(kMarker) == std::string::npos || *existing == text))
        return false;
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream << text;
        if (!stream)
            return false;
    }
    fs::rename(temporary, file, error);
    return !error;
}

// The release's desktop entry with its Exec pointing at the launcher (keeping the arguments), and
// the marker.
std::optional<std::string> entryFor(const fs::path& release, const fs::path& launcher, const char* name)
{
    const std::optional<std::string> entry
        = readFile(release / "share/applications" / (std::string(name) + ".desktop"));
    if (!entry)
        return std::nullopt;
    std::istringstream lines(*entry);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Exec=")) {
            const std::size_t space = line.find(' ');
            line = "Exec=" + desktopEntryExecProgram(launcher)
                + (space == std::string::npos ? "" : line.substr(space));
        }
        text += line + "\n";
    }
    return text + std::string(kMarker) + "\n";
}

} // namespace

int registerWithDesktop(const SelfUpdatingInstall& install, const fs::path& dataHome)
{
    const fs::path release = install.root / "current";
    int written = 0;
    for (const Program& program : kPrograms) {
        const fs::path launcher = launcherOf(install, program.executable);
        if (const auto entry = entryFor(release, launcher, program.busName))
            written += writeOwned(
                dataHome / "applications" / (std::string(program.busName) + ".desktop"), *entry);
        written += writeOwned(dataHome / "dbus-1/services" / (std::string(program.busName) + ".service"),
            "[D-BUS Service]\nName=" + std::string(program.busName) + "\nExec=" + serviceExecProgram(launcher)
                + "\n# " + std::string(kMarker) + "\n");
    }
    // The icon, in every size the release has; icons have no room for a marker, so only missing
    // ones are added.
    std::error_code error;
    const fs::path icons = release / "share/icons/hicolor";
    for (auto entry = fs::recursive_directory_iterator(icons, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (!entry->is_regular_file(error))
            continue;
        const fs::path target = dataHome / "icons/hicolor" / fs::relative(entry->path(), icons, error);
        if (fs::exists(target, error))
            continue;
        fs::create_directories(target.parent_path(), error);
        fs::copy_file(entry->path(), target, error);
        written += !error;
    }
    return written;
}

} // namespace quillon
