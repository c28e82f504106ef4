// The shared store: which folder holds the record, how load falls back, and what save leaves on disk.
#include "state/shared_store.h"
#include "tests/support/file_contents.h"

#include "platform/log/logger.h"
#include "tests/support/scene_test_support.h"
#include "tests/support/scoped_environment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

const Instant kNow = testing::utcInstant(2026, 12, 5, 12);

StudioState defaults()
{
    return StudioState::makeDefault(kNow, testing::calendarIn("UTC"));
}

StudioState titled(const char* title)
{
    StudioState state = defaults();
    state.countdownTitle = title;
    return state;
}

StudioState load(const SharedStore& store)
{
    return store.load(kNow, testing::calendarIn("UTC"));
}

// Each test has a config home of its own, and the store's log lines instead of the journal.
class SharedStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_home = fs::temp_directory_path()
            / ("quillon-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-"
                + std::to_string(::getpid()));
        fs::remove_all(m_home);
        m_configHome.emplace("XDG_CONFIG_HOME", m_home.string());
        m_oldSink = replaceLogSink([this](const LogRecord& record) { m_log.push_back(record); });
    }

    void TearDown() override
    {
        replaceLogSink(m_oldSink);
        m_configHome.reset();
        fs::remove_all(m_home);
    }

    fs::path folder() const { return m_home / "quillon"; }

    fs::path m_home;
    std::vector<LogRecord> m_log;

private:
    std::optional<testing::ScopedEnvironmentVariable> m_configHome;
    LogSink m_oldSink;
};

TEST_F(SharedStoreTest, KeepsTheRecordInItsFolderAndSaysWhatStandsInTheWay)
{
    const struct {
        const char* name;
        std::function<void()> place;
        StoreProblem problem;
    } cases[] = {
        {"a folder of its own", [] {}, StoreProblem::none},
        {"no config home yet", [&] { fs::remove_all(m_home); }, StoreProblem::none},
        {"a file in the folder's place",
            [&] {
                fs::remove_all(folder());
                writeFile(folder(), "not a folder");
            },
            StoreProblem::notAFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_home);
        const SharedStore store(folder());
        c.place();
        m_log.clear();

        const StoreReport report = store.save(titled("saved"));
        EXPECT_EQ(report.problem, c.problem) << describe(report);
        std::vector<std::string> records;
        for (const auto& entry : fs::recursive_directory_iterator(m_home))
            if (entry.path().filename() == "studio.v1")
                records.push_back(entry.path().lexically_relative(m_home).string());
        EXPECT_EQ(records,
            report.ok() ? std::vector<std::string> {"quillon/studio.v1"} : std::vector<std::string> {});
        EXPECT_EQ(load(store), report.ok() ? titled("saved") : defaults());
        // Saving says nothing in the log; failing says why.
        EXPECT_EQ(m_log.size(), report.ok() ? 0u : 1u);
    }
}

TEST_F(SharedStoreTest, ARecordThatIsThereButCannotBeReadIsReportedAndTheDefaultsAreShown)
{
    const struct {
        const char* name;
        std::string bytes;
        StoreProblem problem;
    } cases[] = {
        {"not JSON", "countdownTitle = Launch", StoreProblem::damaged},
        {"JSON but not an object", "[1, 2]", StoreProblem::damaged},
        {"over one mebibyte", std::string(BlobFolder::kMaxBlobBytes + 1, ' '), StoreProblem::tooLarge},
    };
    const SharedStore store(folder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(folder() / "studio.v1", c.bytes);
        const SharedStore::Loaded loaded = store.loadReporting(kNow, testing::calendarIn("UTC"));
        EXPECT_EQ(loaded.state, defaults());
        EXPECT_EQ(loaded.report.problem, c.problem);
        EXPECT_EQ(loaded.report.path, folder() / "studio.v1");
        // Reading never moves or changes it.
        EXPECT_EQ(readFile(folder() / "studio.v1"), c.bytes);
    }
    fs::remove(folder() / "studio.v1");
    EXPECT_TRUE(store.loadReporting(kNow, testing::calendarIn("UTC")).report.ok());
}

// That nothing but the record is left beside it, the crash-safety test shows.
TEST_F(SharedStoreTest, SavingLeavesAnOwnerOnlyRecordInOwnerOnlyFolders)
{
    const SharedStore store(folder());
    for (const char* title : {"first", "second"})
        ASSERT_TRUE(store.save(titled(title)).ok());
    EXPECT_EQ(fs::status(folder() / "studio.v1").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
    for (const fs::path& made : {m_home, folder()}) {
        SCOPED_TRACE(made.string());
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all);
    }
}

TEST_F(SharedStoreTest, ASaveThatCannotBeWrittenReturnsFalseLogsWhyAndKeepsTheOldRecord)
{
    const struct {
        const char* name;
        std::function<void(StudioState&)> change;
        const char* reason;
    } cases[] = {
        {"a date JSON cannot hold", [](StudioState& s) { s.countdownDate = Instant {std::nan("")}; },
            "JSON cannot hold it"},
        {"a record over one mebibyte",
            [](StudioState& s) { s.signText.assign(BlobFolder::kMaxBlobBytes, 's'); },
            "over the limit of 1048576"},
    };
    const fs::path record = folder() / "studio.v1";
    const SharedStore store(folder());
    ASSERT_TRUE(store.save(titled("old")).ok());
    const std::string oldBytes = readFile(record);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.clear();
        StudioState state = titled("new");
        c.change(state);
        EXPECT_FALSE(store.save(state).ok());
        ASSERT_EQ(m_log.size(), 1u);
        EXPECT_TRUE(m_log[0].message.starts_with("could not save the record")) << m_log[0].message;
        EXPECT_NE(m_log[0].message.find(c.reason), std::string::npos) << m_log[0].message;
        EXPECT_EQ(readFile(record), oldBytes);
    }
}

TEST_F(SharedStoreTest, ARecordThatCannotBeReadIsMovedAsideBeforeTheSaveInsteadOfWrittenOver)
{
    const fs::path record = folder() / "studio.v1";
    const fs::path aside = folder() / "studio.v1.bad";
    const std::string overLimit(BlobFolder::kMaxBlobBytes + 1, ' ');
    const struct {
        const char* name;
        std::function<void()> place;
        std::function<void()> expectAside;
    } cases[] = {
        {"a file over one mebibyte", [&] { writeFile(record, overLimit); },
            [&] { EXPECT_EQ(readFile(aside), overLimit); }},
        {"text that is not a record", [&] { writeFile(record, "countdownTitle = Launch"); },
            [&] { EXPECT_EQ(readFile(aside), "countdownTitle = Launch"); }},
        {"a folder", [&] { writeFile(record / "kept", "inside"); },
            [&] { EXPECT_EQ(readFile(aside / "kept"), "inside"); }},
        {"a link to nothing", [&] { fs::create_symlink(m_home / "missing", record); },
            [&] { EXPECT_EQ(fs::read_symlink(aside), m_home / "missing"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_home);
        const SharedStore store(folder());
        c.place();
        EXPECT_EQ(load(store), defaults());
        m_log.clear();

        EXPECT_TRUE(store.save(titled("new")).ok());
        c.expectAside();
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(record)));
        EXPECT_EQ(load(store), titled("new"));
        ASSERT_EQ(m_log.size(), 1u);
        EXPECT_TRUE(m_log[0].message.starts_with(record.string())) << m_log[0].message;
        EXPECT_TRUE(m_log[0].message.ends_with("; moved it to " + aside.string())) << m_log[0].message;
    }
}

TEST_F(SharedStoreTest, ARecordThatCanNeitherBeReadNorMovedAsideIsLeftAndTheSaveFails)
{
    const fs::path record = folder() / "studio.v1";
    const SharedStore store(folder());
    writeFile(record / "kept", "inside");
    writeFile(folder() / "studio.v1.bad" / "earlier", "occupied");
    m_log.clear();

    EXPECT_FALSE(store.save(titled("new")).ok());
    EXPECT_EQ(readFile(record / "kept"), "inside");
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_TRUE(m_log[0].message.starts_with(record.string() + " could not be read")) << m_log[0].message;
    EXPECT_NE(m_log[0].message.find("could not be moved aside either"), std::string::npos)
        << m_log[0].message;
}

TEST_F(SharedStoreTest, SavingTheRecordAsItWasReadLeavesItsFileUntouchedAndAnEditWritesIt)
{
    StudioState manyCities = defaults();
    manyCities.boardCities.assign(kMaxBoardCities + 1, "tokyo");
    // One record per way a read can differ from the bytes: a bound, a value left out, another layout.
    const struct {
        const char* name;
        std::string stored;
    } cases[] = {
        {"more board cities than the bound", encodeJSON(manyCities)},
        {"a date out of range", R"({"countdownDate":1e400,"theme":"sky"})"},
        {"a record of another layout", R"({"theme" : "sky", "future" : {"key" : [1, 2]}})"},
    };
    const fs::path record = folder() / "studio.v1";
    const Calendar calendar = testing::calendarIn("UTC");
    const SharedStore store(folder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(record, c.stored);
        StudioState loaded = load(store);

        EXPECT_TRUE(store.save(loaded, kNow, calendar).ok());
        EXPECT_EQ(readFile(record), c.stored);

        loaded.theme = ThemeID::amber;
        EXPECT_TRUE(store.save(loaded, kNow, calendar).ok());
        EXPECT_EQ(readFile(record), encodeJSON(loaded));
    }
}

TEST_F(SharedStoreTest, ARecordLinkedToAFileOfTheUsersIsReadAndSavedThroughTheLinkWhichStays)
{
    const fs::path target = m_home / "dotfiles" / "quillon.json";
    const fs::path record = folder() / "studio.v1";
    const fs::path linkText = "../dotfiles/quillon.json";
    const SharedStore store(folder());
    writeFile(target, encodeJSON(titled("linked")));
    fs::create_symlink(linkText, record);

    EXPECT_EQ(load(store), titled("linked"));
    ASSERT_TRUE(store.save(titled("edited")).ok());
    EXPECT_EQ(fs::read_symlink(record), linkText);
    EXPECT_EQ(readFile(target), encodeJSON(titled("edited")));
    EXPECT_EQ(load(store), titled("edited"));
    std::vector<std::string> names;
    for (const fs::path& folder : {folder(), m_home / "dotfiles"})
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, (std::vector<std::string> {"studio.v1", "quillon.json"}));
}

} // namespace
} // namespace quillon
