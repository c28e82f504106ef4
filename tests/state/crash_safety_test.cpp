// A writer killed at any instant must never leave a record that reads back torn.
#include "platform/log/logger.h"
#include "state/shared_store.h"

#include "tests/support/scene_test_support.h"
#include "tests/support/scoped_environment.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon {
namespace {

TEST(SharedStoreCrashSafety, AWriterKilledAtAnyInstantLeavesAWholeRecord)
{
    const auto home
        = std::filesystem::temp_directory_path() / ("crash_safety_test_" + std::to_string(getpid()));
    std::filesystem::remove_all(home);
    const testing::ScopedEnvironmentVariable configHome("XDG_CONFIG_HOME", home.string());
    const LogSink previousSink = replaceLogSink([](const LogRecord&) {});
    struct RestoreSink {
        const LogSink& sink;
        ~RestoreSink() { replaceLogSink(sink); }
    } restoreSink {previousSink};
    const SharedStore store(home / "quillon");

    const Calendar calendar = testing::calendarIn("UTC");
    const Instant now = testing::utcInstant(2026, 12, 5, 12);
    StudioState record = StudioState::makeDefault(now, calendar);
    record.countdownTitle = "record 0";
    ASSERT_TRUE(store.save(record).ok());

    std::mt19937 random(20261207);
    for (int round = 0; round < 40; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            // Distinct records of changing length, as fast as they can be written, until killed.
            for (long number = 1;; ++number) {
                record.countdownTitle = "record " + std::to_string(number);
                record.signText.assign(static_cast<std::size_t>(number % 5000), 'x');
                store.save(record);
            }
        }
        // Read a varying number of times while the writer runs, so that it dies at varying points.
        bool whole = true;
        for (unsigned read = 0, reads = 5 + static_cast<unsigned>(random() % 400); read < reads && whole;
             ++read)
            whole = store.load(now, calendar).countdownTitle.starts_with("record ");
        kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(whole) << "a torn record read back as the default, in round " << round;
        ASSERT_TRUE(store.load(now, calendar).countdownTitle.starts_with("record "))
            << "after the kill, round " << round;
    }

    // The writers' abandoned temporary files go with the next save that writes. On a busy machine
    // every writer may be killed before its first rename, leaving "record 0" on file: saving that
    // again writes nothing.
    record.countdownTitle = "after the writers";
    ASSERT_TRUE(store.save(record).ok());
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(store.folder().path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string> {"studio.v1"});

    std::filesystem::remove_all(home);
}

} // namespace
} // namespace quillon
