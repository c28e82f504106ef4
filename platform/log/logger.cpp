// Journal records carry the subsystem and category as fields of their own, so that
// `journalctl QUILLON_SUBSYSTEM=com.quillon.Quillon` finds them.
#include "platform/log/logger.h"

#include "platform/log/logging_rules.h"

#include <systemd/sd-journal.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <syslog.h>

namespace quillon {
namespace {

void writeToStandardError(const LogRecord& record)
{
    std::fprintf(
        stderr, "%s[%s] %s\n", record.subsystem.c_str(), record.category.c_str(), record.message.c_str());
}

void writeToJournal(const LogRecord& record)
{
    const int sent = sd_journal_send("MESSAGE=%s", record.message.c_str(), "PRIORITY=%d", LOG_NOTICE,
        "QUILLON_SUBSYSTEM=%s", record.subsystem.c_str(), "QUILLON_CATEGORY=%s", record.category.c_str(),
        nullptr);
    if (sent < 0)
        writeToStandardError(record);
}

// Chosen once: the journal does not come or go while the program runs.
const LogSink& defaultSink()
{
    static const LogSink sink = logSinkFor(
        chooseLogDestination(std::filesystem::path(kJournalSocketPath), std::getenv("JOURNAL_STREAM")));
    return sink;
}

std::mutex& sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

LogSink& currentSink()
{
    static LogSink sink = defaultSink();
    return sink;
}

} // namespace

LogDestination chooseLogDestination(const std::filesystem::path& journalSocket, const char* journalStream)
{
    std::error_code error;
    if ((journalStream && journalStream[0] != '\0') || std::filesystem::is_socket(journalSocket, error))
        return LogDestination::journal;
    return LogDestination::standardError;
}

LogSink logSinkFor(LogDestination destination)
{
    switch (destination) {
    case LogDestination::journal:
        return writeToJournal;
    case LogDestination::standardError:
        break;
    }
    return writeToStandardError;
}

LogSink replaceLogSink(LogSink sink)
{
    std::lock_guard lock(sinkMutex());
    LogSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : defaultSink();
    return previous;
}

Logger::Logger(std::string subsystem, std::string category)
    : m_subsystem(std::move(subsystem))
    , m_category(std::move(category))
{
}

void Logger::debug(std::string_view message) const
{
    const char* rules = std::getenv("QT_LOGGING_RULES");
    if (rules && debugLinesRequested(rules, m_subsystem + "." + m_category))
        notice(message);
}

void Logger::notice(std::string_view message) const
{
    std::lock_guard lock(sinkMutex());
    currentSink()({m_subsystem, m_category, std::string(message)});
}

} // namespace quillon
