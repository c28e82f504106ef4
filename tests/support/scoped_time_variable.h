// Setting the environment variables the C library's time functions read (TZ, TZDIR), for a test.
#pragma once

#include "tests/support/scoped_environment.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quillon::testing {

// Sets (or, with nothing, unsets) the variable and has the C library read it again.
inline void setTimeVariable(const char* name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
    tzset();
}

// The variable holds a value for the guard's lifetime, then what it held before (or nothing again).
class ScopedTimeVariable {
public:
    ScopedTimeVariable(const char* name, std::optional<std::string> value)
    {
        m_variable.emplace(name, value);
        tzset();
    }
    ~ScopedTimeVariable()
    {
        // The old value must be back before the C library reads the variables again.
        m_variable.reset();
        tzset();
    }
    ScopedTimeVariable(const ScopedTimeVariable&) = delete;
    ScopedTimeVariable& operator=(const ScopedTimeVariable&) = delete;

private:
    std::optional<ScopedEnvironmentVariable> m_variable;
};

} // namespace quillon::testing
