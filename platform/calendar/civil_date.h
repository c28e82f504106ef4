// Proleptic Gregorian dates and day counts, after Howard Hinnant's public-domain algorithms,
// in 64-bit arithmetic with floor division so that negative years work as positive ones do.
#pragma once

#include <cstdint>

namespace quillon {

struct CivilDate {
    std::int64_t year = 1970;
    int month = 1; // 1-12
    int day = 1; // 1-31
    bool operator==(const CivilDate&) const = default;
};

// Division that rounds toward negative infinity, for splitting seconds into days.
constexpr std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

constexpr std::int64_t floorModulo(std::int64_t value, std::int64_t divisor)
{
    return value - floorDivide(value, divisor) * divisor;
}

// Days since 1970-01-01 (negative before it). Valid for |year| up to about 2^50.
constexpr std::int64_t daysFromCivil(CivilDate date)
{
    const std::int64_t year = date.month <= 2 ? date.year - 1 : date.year;
    const std::int64_t era = floorDivide(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr CivilDate civilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = floorDivide(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const auto month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// 0 = Sunday ... 6 = Saturday; 1970-01-01 was a Thursday.
constexpr int weekdayFromDays(std::int64_t days)
{
    return static_cast<int>(floorModulo(days + 4, 7));
}

constexpr bool isLeapYear(std::int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int daysInMonth(std::int64_t year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 30;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

static_assert(daysFromCivil({1970, 1, 1}) == 0);
static_assert(daysFromCivil({2000, 3, 1}) == 11017);
static_assert(civilFromDays(-1) == CivilDate {1969, 12, 31});

} // namespace quillon
