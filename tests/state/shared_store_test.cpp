// The shared store: which folder holds the record, how load falls back, and what save leaves on disk.
#include "state/shared_store.h"

#include "platform/log/logger.h"
#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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

constexpr const char* kIdentifier = "com.quillon.Quillon";
constexpr const char* kGroup = "Q2LD7X9K4M.com.quillon.Quillon";
const Instant kNow = testing::utcInstant(2026, 12, 5, 12);

void writeFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

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
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            m_oldHome = old;
        m_home = fs::temp_directory_path()
            / ("quillon-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-"
                + std::to_string(::getpid()));
        fs::remove_all(m_home);
        setenv("XDG_CONFIG_HOME", m_home.c_str(), 1);
        m_oldSink = replaceLogSink([this](const LogRecord& record) { m_log.push_back(record); });
    }

    void TearDown() override
    {
        replaceLogSink(m_oldSink);
        if (m_oldHome)
            setenv("XDG_CONFIG_HOME", m_oldHome->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(m_home);
    }

    static StaticBundleInfo withGroup()
    {
        return {{"CFBundleIdentifier", kIdentifier}, {"DotAppGroup", kGroup}};
    }

    fs::path m_home;
    std::vector<LogRecord> m_log;

private:
    std::optional<std::string> m_oldHome;
    LogSink m_oldSink;
};

TEST_F(SharedStoreTest, LogsWhetherTheGroupsSuiteOpenedAndKeepsTheRecordThereElseInTheStandardDefaults)
{
    const struct {
        const char* name;
        StaticBundleInfo info;
        const char* logLine;
        const char* savedUnder; // nullptr: there is nowhere to save
    } cases[] = {
        {"suite opens", withGroup(), "app group Q2LD7X9K4M.com.quillon.Quillon suite ok", kGroup},
        {"no group", {{"CFBundleIdentifier", kIdentifier}}, "app group nil suite nil", kIdentifier},
        {"a file in the suite's place",
            {{"CFBundleIdentifier", kIdentifier}, {"DotAppGroup", "blocked.group"}},
            "app group blocked.group suite nil", kIdentifier},
        {"group that is not a folder name",
            {{"CFBundleIdentifier", kIdentifier}, {"DotAppGroup", "../escape"}},
            "app group ../escape suite nil", kIdentifier},
        {"empty record", {}, "app group nil suite nil", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_home);
        writeFile(m_home / "blocked.group", "not a folder");
        m_log.clear();

        const SharedStore store(c.info);
        ASSERT_EQ(m_log.size(), 1u);
        EXPECT_EQ(m_log[0].subsystem, "com.quillon.Quillon");
        EXPECT_EQ(m_log[0].category, "SharedStore");
        EXPECT_EQ(m_log[0].message, c.logLine);

        EXPECT_EQ(store.save(titled("saved")), c.savedUnder != nullptr);
        std::vector<std::string> records, expected;
        for (const auto& entry : fs::recursive_directory_iterator(m_home))
            if (entry.path().filename() == "studio.v1")
                records.push_back(entry.path().lexically_relative(m_home).string());
        if (c.savedUnder)
            expected.push_back(std::string(c.savedUnder) + "/studio.v1");
        EXPECT_EQ(records, expected);
        EXPECT_EQ(load(store), c.savedUnder ? titled("saved") : defaults());
    }
}

TEST_F(SharedStoreTest, LoadsTheSuiteElseTheStandardDefaultsAndTheStartUpSaveCopiesTheLatterIntoTheSuite)
{
    const fs::path suite = m_home / kGroup / "studio.v1";
    const fs::path standard = m_home / kIdentifier / "studio.v1";
    const SharedStore store(withGroup());
    EXPECT_EQ(load(store), defaults());

    const std::string standardBytes = encodeJSON(titled("standard"));
    writeFile(standard, standardBytes);
    const StudioState loaded = load(store);
    EXPECT_EQ(loaded, titled("standard"));
    ASSERT_TRUE(store.save(loaded));
    EXPECT_EQ(readFile(suite), standardBytes);

    ASSERT_TRUE(store.save(titled("edited")));
    EXPECT_EQ(load(store), titled("edited"));
    EXPECT_EQ(readFile(standard), standardBytes);
}

TEST_F(SharedStoreTest, AStoredRecordThatIsNotOneJSONObjectOrOverOneMebibyteGivesTheDefaultRecord)
{
    const std::string opening = R"({"signText":")";
    const std::size_t textAtLimit = DefaultsFolder::kMaxBlobBytes - opening.size() - 2; // 2: the closing `"}`
    const struct {
        const char* name;
        std::string blob;
        std::string signText;
    } cases[] = {
        {"not JSON", "countdownTitle = Launch", "Hello, world!"},
        {"one byte over the limit", opening + std::string(textAtLimit + 1, 'x') + R"("})", "Hello, world!"},
        // Read, and the text cut to what a record may hold.
        {"exactly at the limit", opening + std::string(textAtLimit, 'x') + R"("})",
            std::string(kMaxRecordTextCharacters, 'x')},
    };
    const SharedStore store(withGroup());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(m_home / kGroup / "studio.v1", c.blob);
        StudioState expected = defaults();
        expected.signText = c.signText;
        EXPECT_EQ(load(store), expected);
    }
}

// That nothing but the record is left beside it, the crash-safety test shows.
TEST_F(SharedStoreTest, SavingLeavesAnOwnerOnlyRecordInOwnerOnlyFolders)
{
    const SharedStore store(withGroup());
    for (const char* title : {"first", "second"})
        ASSERT_TRUE(store.save(titled(title)));
    EXPECT_EQ(fs::status(m_home / kGroup / "studio.v1").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
    for (const fs::path& folder : {m_home, m_home / kGroup, m_home / kIdentifier}) {
        SCOPED_TRACE(folder.string());
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
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
            [](StudioState& s) { s.signText.assign(DefaultsFolder::kMaxBlobBytes, 's'); },
            "over the limit of 1048576"},
    };
    const fs::path record = m_home / kGroup / "studio.v1";
    const SharedStore store(withGroup());
    ASSERT_TRUE(store.save(titled("old")));
    const std::string oldBytes = readFile(record);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.clear();
        StudioState state = titled("new");
        c.change(state);
        EXPECT_FALSE(store.save(state));
        ASSERT_EQ(m_log.size(), 1u);
        EXPECT_TRUE(m_log[0].message.starts_with("could not save the record")) << m_log[0].message;
        EXPECT_NE(m_log[0].message.find(c.reason), std::string::npos) << m_log[0].message;
        EXPECT_EQ(readFile(record), oldBytes);
    }
}

TEST_F(SharedStoreTest, ARecordThatCannotBeReadIsMovedAsideBeforeTheSaveInsteadOfWrittenOver)
{
    const fs::path folder = m_home / kGroup;
    const fs::path record = folder / "studio.v1";
    const fs::path aside = folder / "studio.v1.bad";
    const std::string overLimit(DefaultsFolder::kMaxBlobBytes + 1, ' ');
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
        const SharedStore store(withGroup());
        c.place();
        EXPECT_EQ(load(store), defaults());
        m_log.clear();

        EXPECT_TRUE(store.save(titled("new")));
        c.expectAside();
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(record)));
        EXPECT_EQ(load(store), titled("new"));
        ASSERT_EQ(m_log.size(), 1u);
        EXPECT_EQ(m_log[0].message,
            record.string() + " could not be read as a record; moved it to " + aside.string());
    }
}

TEST_F(SharedStoreTest, ARecordThatCanNeitherBeReadNorMovedAsideIsLeftAndTheSaveFails)
{
    const fs::path record = m_home / kGroup / "studio.v1";
    const SharedStore store(withGroup());
    writeFile(record / "kept", "inside");
    writeFile(m_home / kGroup / "studio.v1.bad" / "earlier", "occupied");
    m_log.clear();

    EXPECT_FALSE(store.save(titled("new")));
    EXPECT_EQ(readFile(record / "kept"), "inside");
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_TRUE(
        m_log[0].message.starts_with("could not save the record: " + record.string() + " could not be read"))
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
    const fs::path record = m_home / kGroup / "studio.v1";
    const Calendar calendar = testing::calendarIn("UTC");
    const SharedStore store(withGroup());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(record, c.stored);
        StudioState loaded = load(store);

        EXPECT_TRUE(store.save(loaded, kNow, calendar));
        EXPECT_EQ(readFile(record), c.stored);

        loaded.theme = ThemeID::amber;
        EXPECT_TRUE(store.save(loaded, kNow, calendar));
        EXPECT_EQ(readFile(record), encodeJSON(loaded));
    }
}

TEST_F(SharedStoreTest, ARecordLinkedToAFileOfTheUsersIsReadAndSavedThroughTheLinkWhichStays)
{
    const fs::path target = m_home / "dotfiles" / "quillon.json";
    const fs::path record = m_home / kGroup / "studio.v1";
    const fs::path linkText = "../dotfiles/quillon.json";
    const SharedStore store(withGroup());
    writeFile(target, encodeJSON(titled("linked")));
    fs::create_symlink(linkText, record);

    EXPECT_EQ(load(store), titled("linked"));
    ASSERT_TRUE(store.save(titled("edited")));
    EXPECT_EQ(fs::read_symlink(record), linkText);
    EXPECT_EQ(readFile(target), encodeJSON(titled("edited")));
    EXPECT_EQ(load(store), titled("edited"));
    std::vector<std::string> names;
    for (const fs::path& folder : {m_home / kGroup, m_home / "dotfiles"})
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, (std::vector<std::string> {"studio.v1", "quillon.json"}));
}

} // namespace
} // namespace quillon
