// A copy unpacked from the download makes itself known to the desktop, without touching what other
// installs wrote.
#include "tests/support/file_contents.h"
#include "updater/desktop_registration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

class DesktopRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("quillon-registration-test-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        m_install.root = m_folder / "Apps/Quillon 0.1.0";
        const fs::path release = m_install.root / "versions/0.1.0";
        writeFile(release / "share/applications/com.quillon.Quillon.desktop",
            "[Desktop Entry]\nType=Application\nName=Quillon\nExec=quillon %u\n");
        writeFile(release / "share/applications/com.quillon.WidgetHost.desktop",
            "[Desktop Entry]\nType=Application\nName=Quillon Widgets\nExec=quillon-widgets --gallery\n");
        writeFile(release / "share/icons/hicolor/48x48/apps/com.quillon.Quillon.png", "png");
        fs::create_directory_symlink("versions/0.1.0", m_install.root / "current");
        m_data = m_folder / "home/.local/share";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path m_folder;
    SelfUpdatingInstall m_install;
    fs::path m_data;
};

TEST_F(DesktopRegistrationTest, EntriesServicesAndTheIconNameTheCopysLaunchers)
{
    EXPECT_EQ(registerWithDesktop(m_install, m_data), 5);
    const std::string studio = readFile(m_data / "applications/com.quillon.Quillon.desktop");
    EXPECT_NE(studio.find("Exec=\"" + (m_install.root / "quillon").string() + "\" %u\n"), std::string::npos)
        << studio;
    EXPECT_NE(readFile(m_data / "applications/com.quillon.WidgetHost.desktop")
                  .find("Exec=\"" + (m_install.root / "quillon-widgets").string() + "\" --gallery\n"),
        std::string::npos);
    EXPECT_NE(readFile(m_data / "dbus-1/services/com.quillon.WidgetHost.service")
                  .find("\nExec=\"" + (m_install.root / "quillon-widgets").string() + "\"\n"),
        std::string::npos);
    EXPECT_EQ(readFile(m_data / "icons/hicolor/48x48/apps/com.quillon.Quillon.png"), "png");
    // Nothing to do the second time.
    EXPECT_EQ(registerWithDesktop(m_install, m_data), 0);
}

TEST_F(DesktopRegistrationTest, AMovedCopyRewritesItsOwnFilesButNeverAnotherInstallsFiles)
{
    // The studio installed under ~/.local by a build: its service is left as it is.
    const std::string installed
        = "[D-BUS Service]\nName=com.quillon.Quillon\nExec=/home/me/.local/bin/quillon\n";
    writeFile(m_data / "dbus-1/services/com.quillon.Quillon.service", installed);
    registerWithDesktop(m_install, m_data);
    EXPECT_EQ(readFile(m_data / "dbus-1/services/com.quillon.Quillon.service"), installed);

    // The copy moves: what it wrote follows it.
    const fs::path moved = m_folder / "Elsewhere";
    fs::rename(m_install.root, moved);
    EXPECT_EQ(registerWithDesktop(SelfUpdatingInstall {moved, ""}, m_data), 3);
    EXPECT_NE(readFile(m_data / "dbus-1/services/com.quillon.WidgetHost.service").find(moved.string()),
        std::string::npos);
    EXPECT_EQ(readFile(m_data / "dbus-1/services/com.quillon.Quillon.service"), installed);
}

TEST_F(DesktopRegistrationTest, ALauncherPathWithQuotesDollarsAndPercentsStaysOneArgument)
{
    const fs::path odd = m_folder / "Apps/100% \"$HOME\" `x`";
    fs::create_directories(odd.parent_path());
    fs::rename(m_install.root, odd);
    registerWithDesktop(SelfUpdatingInstall {odd, ""}, m_data);
    const std::string folder = (m_folder / "Apps").string();
    EXPECT_NE(readFile(m_data / "applications/com.quillon.Quillon.desktop")
                  .find("Exec=\"" + folder + "/100%% \\\\\"\\\\$HOME\\\\\" \\\\`x\\\\`/quillon\" %u\n"),
        std::string::npos)
        << readFile(m_data / "applications/com.quillon.Quillon.desktop");
    EXPECT_NE(readFile(m_data / "dbus-1/services/com.quillon.Quillon.service")
                  .find("Exec=\"" + folder + "/100% \\\"$HOME\\\" `x`/quillon\"\n"),
        std::string::npos)
        << readFile(m_data / "dbus-1/services/com.quillon.Quillon.service");
}

} // namespace
} // namespace quillon
