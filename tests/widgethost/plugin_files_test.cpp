#include "widget_plugin/plugin_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillon::widgethost {
namespace {

namespace fs = std::filesystem;

class PluginFolder {
public:
    PluginFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "quillon-plugins-XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
    }
    ~PluginFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    fs::path folder(const std::string& name, mode_t mode) const
    {
        const fs::path path = m_root / name;
        fs::create_directories(path);
        ::chmod(path.c_str(), mode);
        return path;
    }
    static fs::path plugin(const fs::path& folder, const std::string& name, mode_t mode)
    {
        const fs::path path = folder / name;
        std::ofstream(path) << "not really a library";
        ::chmod(path.c_str(), mode);
        return path;
    }

private:
    fs::path m_root;
};

TEST(PluginFiles, OnlyFilesNoOtherUserCouldHaveWrittenAreLoaded)
{
    PluginFolder root;
    const fs::path own = root.folder("own", 0755);
    const fs::path shared = root.folder("shared", 0777);
    const fs::path sticky = root.folder("sticky", 01777);
    const fs::path group = root.folder("group", 0775);
    const fs::path linked = root.folder("linked", 0755);
    fs::create_symlink(PluginFolder::plugin(shared, "elsewhere.so", 0755), linked / "link.so");
    fs::create_symlink(PluginFolder::plugin(own, "kept.so", 0755), linked / "good-link.so");
    const struct {
        fs::path file;
        bool trusted;
        const char* reason; // part of what is said when not trusted
    } rows[] = {
        {PluginFolder::plugin(own, "good.so", 0755), true, ""},
        {PluginFolder::plugin(own, "open.so", 0757), false, "is writable by other users"},
        {PluginFolder::plugin(own, "group.so", 0775), false, "is writable by other users"},
        {PluginFolder::plugin(shared, "planted.so", 0755), false, "its folder"},
        {PluginFolder::plugin(sticky, "tmp.so", 0755), false, "its folder"},
        {PluginFolder::plugin(group, "team.so", 0755), false, "its folder"},
        {linked / "link.so", false, "the folder of the file it leads to"},
        {linked / "good-link.so", true, ""},
        {own / "missing.so", false, "cannot be read"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.string());
        const auto reason = untrustedPluginReason(row.file);
        EXPECT_EQ(!reason.has_value(), row.trusted) << reason.value_or("trusted");
        if (reason) {
            EXPECT_NE(reason->find(row.reason), std::string::npos) << *reason;
        }
    }
}

TEST(PluginFiles, AFileOfAnotherUserIsNotLoaded)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user takes root";
    PluginFolder root;
    const fs::path folder = root.folder("theirs", 0755);
    const fs::path file = PluginFolder::plugin(folder, "theirs.so", 0755);
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    const auto reason = untrustedPluginReason(file);
    ASSERT_TRUE(reason.has_value());
    EXPECT_NE(reason->find("belongs to another user"), std::string::npos) << *reason;
    ASSERT_EQ(::chown(file.c_str(), 0, 0), 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    EXPECT_TRUE(untrustedPluginReason(file).has_value()) << "a folder of another user's";
}

TEST(PluginFiles, ListsTheTrustedFilesOfEachFolderAndSaysWhyOthersAreLeftOut)
{
    PluginFolder root;
    const fs::path own = root.folder("own", 0755);
    const fs::path shared = root.folder("shared", 0777);
    PluginFolder::plugin(own, "b.so", 0755);
    PluginFolder::plugin(own, "a.so", 0755);
    PluginFolder::plugin(own, "notes.txt", 0644);
    PluginFolder::plugin(shared, "c.so", 0755);
    std::vector<std::string> said;
    const QStringList files
        = trustedPluginFiles({QString::fromStdString(own.string()), QString::fromStdString(shared.string())},
            [&](const std::string& line) { said.push_back(line); });
    ASSERT_EQ(files.size(), 2) << files.join(", ").toStdString();
    EXPECT_TRUE(files[0].endsWith("/a.so") && files[1].endsWith("/b.so")) << files.join(", ").toStdString();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("c.so"), std::string::npos) << said[0];
}

} // namespace
} // namespace quillon::widgethost
