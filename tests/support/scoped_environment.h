// An environment variable set for a test's scope, whatever way the test ends (an ASSERT returns
// early): what it held before comes back, or it is unset again.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace quillon::testing {

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const char* name, const std::optional<std::string>& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedEnvironmentVariable() { set(m_old); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) const
    {
        if (value)
            setenv(m_name, value->c_str(), 1);
        else
            unsetenv(m_name);
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace quillon::testing
