// The program's log: the systemd journal where there is one, else standard error.
#pragma once

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

class Logger {
public:
    Logger(std::string subsystem, std::string category);

    // The default level: journal priority notice, the level of things worth keeping.
    void notice(std::string_view message) const;

private:
    std::string m_subsystem;
    std::string m_category;
};

} // namespace quillon
