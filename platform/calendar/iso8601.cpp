// A strict reader and a writer of ISO 8601 date-times.
#include "platform/calendar/iso8601.h"

#include "platform/calendar/civil_date.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {
namespace {

class Reader {
public:
    explicit Reader(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_position == m_text.size(); }
    bool take(char expected)
    {
        if (m_position < m_text.size() && m_text[m_position] == expected) {
            ++m_position;
            return true;
        }
        return false;
    }
    char peek() const { return m_position < m_text.size() ? m_text[m_position] : '\0'; }

    // Exactly `digits` decimal digits.
    std::optional<int> number(int digits)
    {
        int value = 0;
        for (int index = 0; index < digits; ++index) {
            const char character = peek();
            if (character < '0' || character > '9')
                return std::nullopt;
            value = value * 10 + (character - '0');
            ++m_position;
        }
        return value;
    }

    // The digits after a decimal point, as a fraction of a second.
    std::optional<double> fraction()
    {
        double value = 0;
        double scale = 0.1;
        int count = 0;
        while (peek() >= '0' && peek() <= '9' && count < 9) {
            value += (m_text[m_position++] - '0') * scale;
            scale /= 10;
            ++count;
        }
        return count > 0 ? std::optional<double>(value) : std::nullopt;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

std::optional<int> offsetSeconds(Reader& reader)
{
    if (reader.take('Z') || reader.take('z'))
        return 0;
    const bool negative = reader.peek() == '-';
    if (!reader.take('+') && !reader.take('-'))
        return std::nullopt;
    const auto hours = reader.number(2);
    if (!hours)
        return std::nullopt;
    int minutes = 0;
    if (!reader.atEnd()) {
        reader.take(':');
        const auto parsed = reader.number(2);
        if (!parsed)
            return std::nullopt;
        minutes = *parsed;
    }
    if (*hours > 23 || minutes > 59)
        return std::nullopt;
    const int seconds = *hours * 3600 + minutes * 60;
    return negative ? -seconds : seconds;
}

} // namespace

std::optional<Instant> parseIso8601(std::string_view text)
{
    Reader reader(text);
    const auto year = reader.number(4);
    if (!year || !reader.take('-'))
        return std::nullopt;
    const auto month = reader.number(2);
    if (!month || !reader.take('-'))
        return std::nullopt;
    const auto day = reader.number(2);
    if (!day || !(reader.take('T') || reader.take('t') || reader.take(' ')))
        return std::nullopt;
    const auto hour = reader.number(2);
    if (!hour || !reader.take(':'))
        return std::nullopt;
    const auto minute = reader.number(2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    double fraction = 0;
    if (reader.take(':')) {
        const auto parsed = reader.number(2);
        if (!parsed)
            return std::nullopt;
        second = *parsed;
        if (reader.take('.') || reader.take(',')) {
            const auto parsedFraction = reader.fraction();
            if (!parsedFraction)
                return std::nullopt;
            fraction = *parsedFraction;
        }
    }
    const auto offset = offsetSeconds(reader);
    if (!offset || !reader.atEnd())
        return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) || *hour > 23
        || *minute > 59 || second > 59)
        return std::nullopt;

    const std::int64_t days = daysFromCivil({*year, *month, *day});
    const std::int64_t local = days * 86400 + *hour * 3600 + *minute * 60 + second;
    return Instant::fromUnixSeconds(static_cast<double>(local - *offset) + fraction);
}

std::string formatIso8601(Instant instant)
{
    const std::int64_t whole = wholeUnixSeconds(instant);
    const CivilDate date = civilFromDays(floorDivide(whole, 86400));
    const std::int64_t secondOfDay = floorModulo(whole, 86400);
    const double fraction = instant.unixSeconds() - static_cast<double>(whole);
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02lld:%02lld:%02lld",
        static_cast<long long>(date.year), date.month, date.day, static_cast<long long>(secondOfDay / 3600),
        static_cast<long long>(secondOfDay % 3600 / 60), static_cast<long long>(secondOfDay % 60));
    std::string result(text, static_cast<std::size_t>(std::max(length, 0)));
    const auto milliseconds = static_cast<int>(std::lround(fraction * 1000));
    if (std::isfinite(fraction) && milliseconds > 0 && milliseconds < 1000) {
        std::snprintf(text, sizeof text, ".%03d", milliseconds);
        result += text;
    }
    return result + "Z";
}

} // namespace quillon
