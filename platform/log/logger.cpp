// Journal records carry the subsystem and category as fields of their own, so that
// `journalctl QUILLON_SUBSYSTEM=com.quillon.Quillon` finds them.
#include "platform/log/logger.h"

#include <systemd/sd-journal.h>

#include <cstdio>
#include <mutex>
#include <syslog.h>

namespace quillon {
namespace {

void writeToJournalOrStandardError(const LogRecord& record)
{
    const int sent = sd_journal_send("MESSAGE=%s", record.message.c_str(), "PRIORITY=%d", LOG_NOTICE,
                                     "QUILLON_SUBSYSTEM=%s", record.subsystem.c_str(), "QUILLON_CATEGORY=%s",
                                     record.category.c_str(), nullptr);
    if (sent < 0)
        std::fprintf(stderr, "%s[%s] %s\n", record.subsystem.c_str(), record.category.c_str(), record.message.c_str());
}

std::mutex& sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

LogSink& currentSink()
{
    static LogSink sink = writeToJournalOrStandardError;
    return sink;
}

} // namespace

LogSink replaceLogSink(LogSink sink)
{
    std::lock_guard lock(sinkMutex());
    LogSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : LogSink(writeToJournalOrStandardError);
    return previous;
}

Logger::Logger(std::string subsystem, std::string category)
    : m_subsystem(std::move(subsystem)), m_category(std::move(category))
{
}

void Logger::notice(std::string_view message) const
{
    std::lock_guard lock(sinkMutex());
    currentSink()({m_subsystem, m_category, std::string(message)});
}

} // namespace quillon
