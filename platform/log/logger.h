// The program's log: the systemd journal where there is one, else standard error.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quillon {

struct LogRecord {
    std::string subsystem;
    std::string category;
    std::string message;
};

// Where records go; tests put their own in place for the length of a test.
using LogSink = std::function<void(const LogRecord&)>;
LogSink replaceLogSink(LogSink sink);

enum class LogDestination { journal, standardError };

inline constexpr std::string_view kJournalSocketPath = "/run/systemd/journal/socket";

// The journal when its socket is there, or when standard error already leads into it (the
// `journalStream` value of JOURNAL_STREAM, set for services); else standard error. Decided before
// sending, because a send to a journal that is not there reports success and the record is lost.
LogDestination chooseLogDestination(const std::filesystem::path& journalSocket, const char* journalStream);

// The sink that writes to a destination: journal records carry the subsystem and category as
// fields of their own; standard error gets one line "<subsystem>[<category>] <message>".
LogSink logSinkFor(LogDestination destination);

class Logger {
public:
    Logger(std::string subsystem, std::string category);

    // The default level: journal priority notice, the level of things worth keeping.
    void notice(std::string_view message) const;
    // Only when QT_LOGGING_RULES asks for the debug lines of "<subsystem>.<category>"
    // ("com.quillon.Quillon.SharedStore.debug=true"), at notice level then.
    void debug(std::string_view message) const;

private:
    std::string m_subsystem;
    std::string m_category;
};

} // namespace quillon
