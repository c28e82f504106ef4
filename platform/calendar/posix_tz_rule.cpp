// Parsing and evaluation of POSIX TZ strings (the TZif footer format of RFC 8536).
#include "platform/calendar/posix_tz_rule.h"

#include "platform/calendar/civil_date.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quillon {

namespace {

constexpr std::size_t kMaxTextLength = 256;
constexpr std::size_t kMinNameLength = 3;
constexpr std::size_t kMaxNameLength = 64;
constexpr std::int64_t kSecondsPerDay = 86'400;

// The parser only produces changes within these ranges, but the struct is
// public and a hand-filled one must not index past the month table.
bool isUsable(const PosixTzRule::Change& change)
{
    constexpr std::int32_t kMaxTime = 167 * 3600 + 59 * 60 + 59;
    if (change.timeOfDay < -kMaxTime || change.timeOfDay > kMaxTime) {
        return false;
    }
    switch (change.kind) {
    case PosixTzRule::Change::Kind::JulianNoLeap:
        return change.day >= 1 && change.day <= 365;
    case PosixTzRule::Change::Kind::DayOfYear:
        return change.day >= 0 && change.day <= 365;
    case PosixTzRule::Change::Kind::MonthWeekDay:
        return change.month >= 1 && change.month <= 12 && change.week >= 1 && change.week <= 5
            && change.day >= 0 && change.day <= 6;
    }
    return false;
}

bool changesOffset(const PosixTzRule& rule)
{
    return rule.hasDst && isUsable(rule.dstStart) && isUsable(rule.dstEnd);
}

// Day (since the epoch) on which a change falls in the given year.
std::int64_t changeDay(const PosixTzRule::Change& change, std::int64_t year)
{
    const std::int64_t january1 = daysFromCivil({year, 1, 1});
    switch (change.kind) {
    case PosixTzRule::Change::Kind::JulianNoLeap: {
        const bool afterLeapDay = isLeapYear(year) && change.day >= 60;
        return january1 + change.day - 1 + (afterLeapDay ? 1 : 0);
    }
    case PosixTzRule::Change::Kind::DayOfYear:
        return january1 + change.day;
    case PosixTzRule::Change::Kind::MonthWeekDay:
        break;
    }
    const std::int64_t first = daysFromCivil({year, change.month, 1});
    const std::int64_t firstWeekday = weekdayFromDays(first);
    std::int64_t dayOfMonth = 1 + floorModulo(change.day - firstWeekday, 7) + 7 * (change.week - 1);
    while (dayOfMonth > daysInMonth(year, change.month)) {
        dayOfMonth -= 7; // only week 5 ("last") can overshoot
    }
    return first + dayOfMonth - 1;
}

struct Event {
    std::int64_t at = 0;
    std::int64_t year = 0;
    bool toDst = false;
};

// Orders simultaneous events so that an end of daylight saving is followed by
// the next year's start; a year-round daylight rule then never leaves it.
bool eventBefore(const Event& a, const Event& b)
{
    if (a.at != b.at) {
        return a.at < b.at;
    }
    if (a.year != b.year) {
        return a.year < b.year;
    }
    return a.toDst && !b.toDst;
}

constexpr std::int64_t kFirstYearOffset = -2;
constexpr std::size_t kEventYears = 6;
using EventList = std::array<Event, 2 * kEventYears>;

// Changes of the years around the one containing `at`, sorted. Rule times of
// up to 167 hours move a change about a week away from its own year, so two
// years of history always contain the change in effect at `at`.
EventList eventsAround(const PosixTzRule& rule, std::int64_t at)
{
    const std::int64_t year = civilFromDays(floorDivide(at, kSecondsPerDay)).year;
    EventList events;
    for (std::size_t i = 0; i < kEventYears; ++i) {
        const std::int64_t y = year + kFirstYearOffset + static_cast<std::int64_t>(i);
        events[2 * i]
            = {changeDay(rule.dstStart, y) * kSecondsPerDay + rule.dstStart.timeOfDay - rule.standardOffset,
                y, true};
        events[2 * i + 1]
            = {changeDay(rule.dstEnd, y) * kSecondsPerDay + rule.dstEnd.timeOfDay - rule.dstOffset, y, false};
    }
    std::sort(events.begin(), events.end(), eventBefore);
    return events;
}

// Every change before this instant belongs to a year that eventsAround(at)
// covers: a change can precede its own year by at most 167 hours plus a
// 26-hour offset, just over eight days.
std::int64_t completeUntil(std::int64_t at)
{
    const std::int64_t year = civilFromDays(floorDivide(at, kSecondsPerDay)).year;
    const std::int64_t firstUncoveredYear = year + kFirstYearOffset + static_cast<std::int64_t>(kEventYears);
    return (daysFromCivil({firstUncoveredYear, 1, 1}) - 9) * kSecondsPerDay;
}

std::int64_t clampInstant(std::int64_t t)
{
    return std::clamp(t, -kMaxCalendarSeconds, kMaxCalendarSeconds);
}

// ---------------------------------------------------------------------------
// Parsing

class Cursor {
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    bool take(char c)
    {
        if (peek() != c || atEnd()) {
            return false;
        }
        ++m_pos;
        return true;
    }
    bool peekDigit() const { return !atEnd() && isDigit(m_text[m_pos]); }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    // At most maxDigits digits; a longer digit run is malformed rather than
    // silently split, and the bound keeps the value far from overflow.
    std::optional<int> number(int maxDigits)
    {
        int value = 0;
        int digits = 0;
        while (peekDigit()) {
            if (digits == maxDigits) {
                return std::nullopt;
            }
            value = value * 10 + (m_text[m_pos] - '0');
            ++digits;
            ++m_pos;
        }
        if (digits == 0) {
            return std::nullopt;
        }
        return value;
    }

    std::optional<std::string> name()
    {
        const bool quoted = take('<');
        const std::size_t start = m_pos;
        std::size_t length = 0;
        if (quoted) {
            while (!atEnd() && peek() != '>') {
                const char c = peek();
                if (!isAlpha(c) && !isDigit(c) && c != '+' && c != '-') {
                    return std::nullopt;
                }
                ++m_pos;
            }
            length = m_pos - start;
            if (!take('>')) {
                return std::nullopt;
            }
        } else {
            while (!atEnd() && isAlpha(peek())) {
                ++m_pos;
            }
            length = m_pos - start;
        }
        if (length < kMinNameLength || length > kMaxNameLength) {
            return std::nullopt;
        }
        return std::string(m_text.substr(start, length));
    }

    // [+|-]hh[:mm[:ss]] in seconds, positive for a leading '+' or no sign.
    std::optional<std::int32_t> duration(int maxHours)
    {
        int sign = 1;
        if (take('-')) {
            sign = -1;
        } else {
            take('+');
        }
        const auto hours = number(maxHours >= 100 ? 3 : 2);
        if (!hours || *hours > maxHours) {
            return std::nullopt;
        }
        int minutes = 0;
        int seconds = 0;
        if (take(':')) {
            const auto m = number(2);
            if (!m || *m > 59) {
                return std::nullopt;
            }
            minutes = *m;
            if (take(':')) {
                const auto s = number(2);
                if (!s || *s > 59) {
                    return std::nullopt;
                }
                seconds = *s;
            }
        }
        return sign * (*hours * 3600 + minutes * 60 + seconds);
    }

    std::optional<PosixTzRule::Change> change()
    {
        using Kind = PosixTzRule::Change::Kind;
        PosixTzRule::Change result;
        if (take('J')) {
            const auto n = number(3);
            if (!n || *n < 1 || *n > 365) {
                return std::nullopt;
            }
            result.kind = Kind::JulianNoLeap;
            result.day = *n;
        } else if (take('M')) {
            const auto month = number(2);
            if (!month || *month < 1 || *month > 12 || !take('.')) {
                return std::nullopt;
            }
            const auto week = number(1);
            if (!week || *week < 1 || *week > 5 || !take('.')) {
                return std::nullopt;
            }
            const auto weekday = number(1);
            if (!weekday || *weekday > 6) {
                return std::nullopt;
            }
            result.kind = Kind::MonthWeekDay;
            result.month = *month;
            result.week = *week;
            result.day = *weekday;
        } else {
            const auto n = number(3);
            if (!n || *n > 365) {
                return std::nullopt;
            }
            result.kind = Kind::DayOfYear;
            result.day = *n;
        }
        if (take('/')) {
            const auto time = duration(167);
            if (!time) {
                return std::nullopt;
            }
            result.timeOfDay = *time;
        }
        return result;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<PosixTzRule> parsePosixTzRule(std::string_view text)
{
    if (text.empty() || text.size() > kMaxTextLength) {
        return std::nullopt;
    }
    Cursor cursor(text);
    PosixTzRule rule;

    auto standardName = cursor.name();
    const auto standardWest = standardName ? cursor.duration(24) : std::nullopt;
    if (!standardWest) {
        return std::nullopt;
    }
    rule.standardName = std::move(*standardName);
    rule.standardOffset = -*standardWest;
    if (cursor.atEnd()) {
        return rule;
    }

    auto dstName = cursor.name();
    if (!dstName) {
        return std::nullopt;
    }
    rule.hasDst = true;
    rule.dstName = std::move(*dstName);
    rule.dstOffset = rule.standardOffset + 3600;
    if (!cursor.atEnd() && cursor.peek() != ',') {
        const auto dstWest = cursor.duration(24);
        if (!dstWest) {
            return std::nullopt;
        }
        rule.dstOffset = -*dstWest;
    }

    if (cursor.atEnd()) {
        rule.dstStart = {PosixTzRule::Change::Kind::MonthWeekDay, 0, 2, 3, 2 * 3600};
        rule.dstEnd = {PosixTzRule::Change::Kind::MonthWeekDay, 0, 1, 11, 2 * 3600};
        return rule;
    }
    if (!cursor.take(',')) {
        return std::nullopt;
    }
    const auto start = cursor.change();
    if (!start || !cursor.take(',')) {
        return std::nullopt;
    }
    const auto end = cursor.change();
    if (!end || !cursor.atEnd()) {
        return std::nullopt;
    }
    rule.dstStart = *start;
    rule.dstEnd = *end;
    return rule;
}

std::int32_t PosixTzRule::offsetAt(std::int64_t unixSeconds) const
{
    if (!changesOffset(*this)) {
        return standardOffset;
    }
    const std::int64_t t = clampInstant(unixSeconds);
    bool inDst = false;
    for (const Event& event : eventsAround(*this, t)) {
        if (event.at > t) {
            break;
        }
        inDst = event.toDst;
    }
    return inDst ? dstOffset : standardOffset;
}

std::optional<std::int64_t> PosixTzRule::nextTransitionAfter(std::int64_t unixSeconds) const
{
    if (!changesOffset(*this) || dstOffset == standardOffset || unixSeconds >= kMaxCalendarSeconds) {
        return std::nullopt;
    }
    const std::int64_t t = clampInstant(unixSeconds);
    const EventList events = eventsAround(*this, t);
    const std::int64_t cutoff = completeUntil(t);
    std::int32_t current = offsetAt(t);
    // Simultaneous events take effect together; only their combined outcome
    // counts, so a year-round daylight rule reports nothing.
    for (std::size_t i = 0; i < events.size() && events[i].at < cutoff; ++i) {
        if (events[i].at <= t) {
            continue;
        }
        if (i + 1 < events.size() && events[i + 1].at == events[i].at) {
            continue;
        }
        const std::int32_t after = events[i].toDst ? dstOffset : standardOffset;
        if (after != current) {
            return events[i].at;
        }
        current = after;
    }
    return std::nullopt;
}

} // namespace quillon
