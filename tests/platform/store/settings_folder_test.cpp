// Bringing the files of earlier versions' folders into the one settings folder.
#include "platform/store/settings_folder.h"
#include "tests/support/file_contents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

// Every entry under the config home, as "folder/name" → its bytes, or "-> target" for a link.
std::map<std::string, std::string> contentsOf(const fs::path& home)
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        const std::string name = entry.path().lexically_relative(home).string();
        if (entry.is_symlink())
            contents[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            contents[name] = readFile(entry.path());
        else
            contents[name] = "<folder>";
    }
    return contents;
}

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_home = fs::temp_directory_path()
            / ("quillon-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-"
                + std::to_string(::getpid()));
        fs::remove_all(m_home);
        fs::create_directories(m_home);
    }
    void TearDown() override { fs::remove_all(m_home); }

    std::vector<std::string> move() { return moveEarlierSettings(m_home, m_home / "quillon"); }

    fs::path m_home;
};

TEST_F(SettingsFolderTest, EveryEarlierFileMovesUnderItsNameAndTheEmptiedFoldersGo)
{
    writeFile(m_home / "Q2LD7X9K4M.com.quillon.Quillon/studio.v1", R"({"theme":"amber"})");
    writeFile(m_home / "Q2LD7X9K4M.com.quillon.Quillon/studio.v1.bad", "damaged once");
    writeFile(m_home / "quillon.com/Quillon.conf", "[WindowFrames]\nstudio=@ByteArray(x)\n");
    writeFile(m_home / "quillon-widgets/widgets.json", R"({"widgets":[]})");
    fs::create_directories(m_home / "com.quillon.Quillon.Lampwork");
    writeFile(m_home / "dotfiles/quillon.json", "{}");
    fs::create_directories(m_home / "com.quillon.Quillon");
    fs::create_symlink("../dotfiles/quillon.json", m_home / "com.quillon.Quillon/linked");
    writeFile(m_home / "unrelated/keep.conf", "not ours");
    ::chmod((m_home / "quillon-widgets/widgets.json").c_str(), 0600);

    const std::vector<std::string> lines = move();
    EXPECT_EQ(lines.size(), 5u);
    EXPECT_EQ(contentsOf(m_home),
        (std::map<std::string, std::string> {
            {"dotfiles", "<folder>"},
            {"dotfiles/quillon.json", "{}"},
            {"quillon", "<folder>"},
            {"quillon/Quillon.conf", "[WindowFrames]\nstudio=@ByteArray(x)\n"},
            {"quillon/linked", "-> ../dotfiles/quillon.json"},
            {"quillon/studio.v1", R"({"theme":"amber"})"},
            {"quillon/studio.v1.bad", "damaged once"},
            {"quillon/widgets.json", R"({"widgets":[]})"},
            {"unrelated", "<folder>"},
            {"unrelated/keep.conf", "not ours"},
        }));
    EXPECT_EQ(fs::status(m_home / "quillon/widgets.json").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(m_home / "quillon").permissions() & fs::perms::all, fs::perms::owner_all);

    // A second start finds nothing to move and changes nothing.
    const auto before = contentsOf(m_home);
    EXPECT_TRUE(move().empty());
    EXPECT_EQ(contentsOf(m_home), before);
}

TEST_F(SettingsFolderTest, AFileOfTheSameNameIsNeverWrittenOver)
{
    // The record in the new folder is the newer one; an identical earlier copy is a duplicate.
    writeFile(m_home / "quillon/studio.v1", "newer");
    writeFile(m_home / "Q2LD7X9K4M.com.quillon.Quillon/studio.v1", "older");
    writeFile(m_home / "com.quillon.Quillon/studio.v1", "newer");
    writeFile(m_home / "quillon-widgets/widgets.json", "placed");
    writeFile(m_home / "quillon/widgets.json", "other placed");
    writeFile(m_home / "quillon/widgets.json.earlier", "kept before");

    move();
    EXPECT_EQ(contentsOf(m_home),
        (std::map<std::string, std::string> {
            {"quillon", "<folder>"},
            {"quillon/studio.v1", "newer"},
            {"quillon/studio.v1.earlier", "older"},
            {"quillon/widgets.json", "other placed"},
            {"quillon/widgets.json.earlier", "kept before"},
            // With no name left to take, it stays where it was, and so does its folder.
            {"quillon-widgets", "<folder>"},
            {"quillon-widgets/widgets.json", "placed"},
        }));
}

TEST_F(SettingsFolderTest, NothingToMoveMakesNoFolder)
{
    writeFile(m_home / "unrelated/keep.conf", "not ours");
    fs::create_directories(m_home / "quillon.com");
    EXPECT_TRUE(move().empty());
    EXPECT_FALSE(fs::exists(m_home / "quillon"));
    EXPECT_FALSE(fs::exists(m_home / "quillon.com")); // an empty earlier folder goes too
}

} // namespace
} // namespace quillon
