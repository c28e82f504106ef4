// The shared store: which folder holds the record, how load falls back, and what save leaves on disk.
#include "state/shared_store.h"

#include "platform/log/logger.h"
#include "tests/scenes/scene_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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
        {"top-level array", R"([{"signText":"array"}])", "Hello, world!"},
        {"empty file", "", "Hello, world!"},
        {"one byte over the limit", opening + std::string(textAtLimit + 1, 'x') + R"("})", "Hello, world!"},
        {"exactly at the limit", opening + std::string(textAtLimit, 'x') + R"("})",
            std::string(textAtLimit, 'x')},
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

TEST_F(SharedStoreTest, SavingLeavesOneOwnerOnlyRecordInOwnerOnlyFoldersAndNothingElse)
{
    const SharedStore store(withGroup());
    for (const char* title : {"first", "second", "third"})
        ASSERT_TRUE(store.save(titled(title)));
    EXPECT_EQ(load(store), titled("third"));

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_home / kGroup))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string> {"studio.v1"});
    EXPECT_EQ(fs::status(m_home / kGroup / "studio.v1").permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);
    for (const fs::path& folder : {m_home, m_home / kGroup, m_home / kIdentifier}) {
        SCOPED_TRACE(folder.string());
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    }
}

} // namespace
} // namespace quillon
