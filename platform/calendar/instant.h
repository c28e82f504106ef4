// An absolute point in time.
#pragma once

#include <chrono>
#include <compare>
#include <cstdint>

namespace quillon {

// Stored as seconds since 2001-01-01T00:00:00Z, the form the settings record keeps.
struct Instant {
    static constexpr double kUnixSecondsAtReferenceDate = 978307200.0;

    double secondsSinceReferenceDate = 0;

    static constexpr Instant fromUnixSeconds(double unixSeconds)
    {
        return {unixSeconds - kUnixSecondsAtReferenceDate};
    }
    constexpr double unixSeconds() const { return secondsSinceReferenceDate + kUnixSecondsAtReferenceDate; }

    constexpr Instant operator+(double seconds) const { return {secondsSinceReferenceDate + seconds}; }
    constexpr double operator-(Instant other) const
    {
        return secondsSinceReferenceDate - other.secondsSinceReferenceDate;
    }

    auto operator<=>(const Instant&) const = default;

    // The wall clock now. Only the programs' entry points and timers read it; everything they
    // build is a function of the instant they pass on.
    static Instant now()
    {
        const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
        return fromUnixSeconds(std::chrono::duration<double>(sinceEpoch).count());
    }
};

// Calendar arithmetic works on whole seconds within about 317,000 years of 1970; instants beyond
// are clamped to that range and one that is not a number counts as the reference date.
inline constexpr std::int64_t kMaxCalendarSeconds = 10'000'000'000'000;

constexpr std::int64_t wholeUnixSeconds(Instant instant)
{
    const double seconds = instant.unixSeconds();
    if (!(seconds == seconds))
        return static_cast<std::int64_t>(Instant::kUnixSecondsAtReferenceDate);
    if (seconds >= static_cast<double>(kMaxCalendarSeconds))
        return kMaxCalendarSeconds;
    if (seconds <= -static_cast<double>(kMaxCalendarSeconds))
        return -kMaxCalendarSeconds;
    const auto truncated = static_cast<std::int64_t>(seconds);
    return static_cast<double>(truncated) > seconds ? truncated - 1 : truncated;
}

} // namespace quillon
