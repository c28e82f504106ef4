// Where the log goes when no test has put a sink of its own in place.
#include "platform/log/logger.h"
#include "platform/log/logging_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// A listening journal stand-in: a Unix socket bound at the path.
class BoundSocket {
public:
    explicit BoundSocket(const fs::path& path)
        : m_descriptor(::socket(AF_UNIX, SOCK_DGRAM, 0))
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        path.native().copy(address.sun_path, sizeof address.sun_path - 1);
        m_bound = m_descriptor >= 0
            && ::bind(m_descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~BoundSocket()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    BoundSocket(const BoundSocket&) = delete;
    BoundSocket& operator=(const BoundSocket&) = delete;
    bool bound() const { return m_bound; }

private:
    int m_descriptor;
    bool m_bound = false;
};

TEST(LogDestination, IsTheJournalOnlyWhenItsSocketIsThereOrStandardErrorLeadsIntoIt)
{
    const fs::path folder = fs::temp_directory_path() / ("quillon-log-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const BoundSocket socket(folder / "socket");
    ASSERT_TRUE(socket.bound());
    std::ofstream(folder / "file") << "not a socket";

    const struct {
        const char* name;
        fs::path socketPath;
        const char* journalStream;
        LogDestination expected;
    } cases[] = {
        {"socket there", folder / "socket", nullptr, LogDestination::journal},
        {"no socket, standard error is a journal stream", folder / "missing", "8:12345",
            LogDestination::journal},
        {"no socket", folder / "missing", nullptr, LogDestination::standardError},
        {"no socket, empty stream variable", folder / "missing", "", LogDestination::standardError},
        {"a plain file where the socket belongs", folder / "file", nullptr, LogDestination::standardError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chooseLogDestination(c.socketPath, c.journalStream), c.expected);
    }
    fs::remove_all(folder);
}

TEST(LogSink, ForStandardErrorWritesOneLineWithSubsystemAndCategory)
{
    const LogSink sink = logSinkFor(LogDestination::standardError);
    ::testing::internal::CaptureStderr();
    sink({"com.quillon.Quillon", "SharedStore", "could not save the record"});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
        "com.quillon.Quillon[SharedStore] could not save the record\n");
}

TEST(LoggingRules, DebugLinesAreOffUntilTheLastMatchingRuleTurnsThemOn)
{
    constexpr const char* kCategory = "com.quillon.Quillon.SharedStore";
    const struct {
        const char* rules;
        bool requested;
    } cases[] = {
        {"", false},
        {"com.quillon.Quillon.SharedStore.debug=true", true},
        {"com.quillon.Quillon.SharedStore=true", true},
        {"com.quillon.*.debug=true", true},
        {"*.SharedStore.debug=true", true},
        {"*Quillon*=true", true},
        {"*.debug=true", true},
        {"*=true", true},
        {"  com.quillon.Quillon.SharedStore.debug = true  ", true},
        {"qt.qpa.*=true;com.quillon.Quillon.SharedStore.debug=true", true},
        {"*.debug=true\ncom.quillon.*=false", false},
        {"com.quillon.*.debug=false;*.debug=true", true},
        {"com.quillon.Quillon.SharedStore.debug=yes", false},
        {"com.quillon.Quillon.SharedStore.info=true", false},
        {"com.quillon.Quillon.Settings.debug=true", false},
        {"com.quillon.Quillon.SharedStore.debug", false},
        {"qt.*.debug=true", false},
        {"=true;;;", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rules);
        EXPECT_EQ(debugLinesRequested(c.rules, kCategory), c.requested);
    }
}

} // namespace
} // namespace quillon
