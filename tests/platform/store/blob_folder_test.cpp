// Blobs kept behind symbolic links: which links the folder follows, and that a write keeps them.
#include "platform/store/blob_folder.h"
#include "tests/support/file_contents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

class BlobFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path()
            / ("quillon-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-"
                + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path m_root;
};

TEST_F(BlobFolderTest, FollowsALinkOnlyToARegularFileOfTheUsersAndReplacesAnyOtherLinkWhereItIs)
{
    const struct {
        const char* name;
        // Makes what the key's link leads to, in the given folder; returns the link's text.
        std::function<fs::path(const fs::path&)> makeTarget;
        bool followed;
    } cases[] = {
        {"a file, through a second link",
            [](const fs::path& at) {
                writeFile(at / "settings" / "record.json", "old");
                fs::create_symlink("settings/record.json", at / "current");
                return at / "current";
            },
            true},
        {"a file, relatively",
            [](const fs::path& at) {
                writeFile(at / "record.json", "old");
                return fs::path("../elsewhere/record.json");
            },
            true},
        {"nothing", [](const fs::path& at) { return at / "missing"; }, false},
        {"a folder",
            [](const fs::path& at) {
                fs::create_directories(at / "folder");
                return at / "folder";
            },
            false},
        {"a FIFO",
            [](const fs::path& at) {
                ::mkfifo((at / "fifo").c_str(), 0600);
                return at / "fifo";
            },
            false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root);
        const auto folder = BlobFolder::openPath(m_root / "store");
        ASSERT_TRUE(folder.has_value());
        const fs::path elsewhere = m_root / "elsewhere";
        fs::create_directories(elsewhere);
        const fs::path linkText = c.makeTarget(elsewhere);
        const fs::path link = folder->path() / "key";
        fs::create_symlink(linkText, link);
        const auto listing = [&] {
            std::vector<std::string> names;
            for (const auto& entry : fs::recursive_directory_iterator(elsewhere))
                names.push_back(entry.path().lexically_relative(elsewhere).string() + " "
                    + std::to_string(static_cast<int>(entry.symlink_status().type())));
            std::sort(names.begin(), names.end());
            return names;
        };
        const std::vector<std::string> before = listing();

        EXPECT_TRUE(folder->contains("key"));
        EXPECT_EQ(folder->read("key"), c.followed ? std::optional<std::string>("old") : std::nullopt);
        ASSERT_TRUE(folder->write("key", "new"));
        EXPECT_EQ(folder->read("key"), "new");
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(link)), c.followed);
        if (c.followed) {
            EXPECT_EQ(fs::read_symlink(link), linkText);
        }
        // No temporary file left beside the target, and a target that is not followed is untouched.
        EXPECT_EQ(listing(), before);
    }
}

TEST_F(BlobFolderTest, SettingAsideMovesTheEntryItselfToItsBadNameAndFreesTheKey)
{
    const auto folder = BlobFolder::openPath(m_root / "store");
    ASSERT_TRUE(folder.has_value());
    fs::create_symlink(m_root / "missing", folder->path() / "key");
    writeFile(folder->path() / "key.bad", "an earlier one");

    ASSERT_TRUE(folder->setAside("key"));
    EXPECT_FALSE(folder->contains("key"));
    EXPECT_EQ(fs::read_symlink(folder->path() / "key.bad"), m_root / "missing");
    EXPECT_TRUE(folder->setAside("key")) << "nothing to move is no failure";
}

} // namespace
} // namespace quillon
