// The record on a file system that turns read-only and back, and that fills up: run by
// tests/support/with_small_disk.sh, which gives the program a small file system of its own in
// QUILLON_SMALL_DISK that it may remount. A read-only file system refuses root too, as a
// permission would not.
#include "state/shared_store.h"
#include "tests/support/file_contents.h"

#include "platform/log/logger.h"
#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <unistd.h>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

const Instant kNow = testing::utcInstant(2026, 12, 5, 12);

StudioState titled(const char* title)
{
    StudioState state = StudioState::makeDefault(kNow, testing::calendarIn("UTC"));
    state.countdownTitle = title;
    return state;
}

class StoreOnASmallDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* disk = std::getenv("QUILLON_SMALL_DISK");
        ASSERT_NE(disk, nullptr) << "run by tests/support/with_small_disk.sh";
        m_disk = disk;
        m_oldSink = replaceLogSink([this](const LogRecord& record) { m_log.push_back(record.message); });
    }
    void TearDown() override
    {
        setReadOnly(false);
        replaceLogSink(m_oldSink);
        for (const auto& entry : fs::directory_iterator(m_disk))
            fs::remove_all(entry.path());
    }

    void setReadOnly(bool readOnly)
    {
        ASSERT_EQ(
            ::mount(nullptr, m_disk.c_str(), nullptr, MS_REMOUNT | (readOnly ? MS_RDONLY : 0), nullptr), 0)
            << std::strerror(errno);
    }

    StudioState load(const SharedStore& store) { return store.load(kNow, testing::calendarIn("UTC")); }

    fs::path m_disk;
    std::vector<std::string> m_log;

private:
    LogSink m_oldSink;
};

TEST_F(StoreOnASmallDiskTest, AReadOnlyFolderIsReadAndSavingWorksAgainOnceItIsWritable)
{
    const SharedStore store(m_disk / "quillon");
    ASSERT_TRUE(store.save(titled("kept")).ok());
    const std::string kept = readFile(store.recordPath());

    setReadOnly(true);
    const SharedStore startedReadOnly(m_disk / "quillon");
    EXPECT_EQ(load(startedReadOnly), titled("kept"));
    EXPECT_TRUE(startedReadOnly.loadReporting(kNow, testing::calendarIn("UTC")).report.ok());
    // The record as read is not written again, so nothing is refused.
    EXPECT_TRUE(startedReadOnly.save(titled("kept")).ok());
    const StoreReport refused = startedReadOnly.save(titled("changed"));
    EXPECT_EQ(refused.problem, StoreProblem::readOnly) << describe(refused);
    EXPECT_EQ(readFile(store.recordPath()), kept);
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_NE(m_log[0].find("read-only"), std::string::npos) << m_log[0];

    setReadOnly(false);
    EXPECT_TRUE(startedReadOnly.save(titled("changed")).ok());
    EXPECT_EQ(load(store), titled("changed"));
}

TEST_F(StoreOnASmallDiskTest, AFolderThatCouldNotBeMadeIsMadeAtTheFirstSaveThatCan)
{
    setReadOnly(true);
    const SharedStore store(m_disk / "config" / "quillon");
    EXPECT_EQ(load(store), StudioState::makeDefault(kNow, testing::calendarIn("UTC")));
    EXPECT_EQ(store.save(titled("first")).problem, StoreProblem::readOnly);
    EXPECT_FALSE(fs::exists(m_disk / "config"));

    setReadOnly(false);
    EXPECT_TRUE(store.save(titled("first")).ok());
    EXPECT_EQ(load(store), titled("first"));
}

TEST_F(StoreOnASmallDiskTest, AFullDiskIsSaidAndTheOldRecordStays)
{
    const SharedStore store(m_disk / "quillon");
    ASSERT_TRUE(store.save(titled("kept")).ok());
    const std::string kept = readFile(store.recordPath());

    // Fills every block, so that the next file cannot be written.
    {
        std::ofstream filler(m_disk / "filler", std::ios::binary);
        const std::string block(64 * 1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
    }
    StudioState big = titled("changed");
    big.signText.assign(200 * 1024, 's');
    const StoreReport refused = store.save(big);
    EXPECT_EQ(refused.problem, StoreProblem::diskFull) << describe(refused);
    EXPECT_EQ(readFile(store.recordPath()), kept);

    fs::remove(m_disk / "filler");
    EXPECT_TRUE(store.save(big).ok());
}

} // namespace
} // namespace quillon
