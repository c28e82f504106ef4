// Test helpers for scenes: instants, calendars, blocks, and a readable form of a whole scene.
#pragma once

#include "platform/calendar/calendar.h"
#include "scenes/dot_scene.h"
#include "tests/support/libc_time.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quillon::testing {

inline Instant utcInstant(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(static_cast<double>(utc(year, month, day, hour, minute, second)));
}

inline Calendar calendarIn(const char* zone, const char* locale = "en_US")
{
    return Calendar::forLocale(locale, TimeZone::named(zone).value());
}

inline TextBlock leading(std::vector<std::string> lines, int cells, double weight)
{
    return {std::move(lines), cells, weight, DotAlignment::leading()};
}

inline TextBlock centre(std::vector<std::string> lines, int cells, double weight)
{
    return {std::move(lines), cells, weight, DotAlignment::center()};
}

inline BarBlock bar(double fraction, int cells, double weight)
{
    return {fraction, cells, weight, DotAlignment::center()};
}

// Every field, doubles to the last bit, so that a failing comparison shows which block differs.
inline std::string describe(const DotScene& scene)
{
    std::ostringstream out;
    out.precision(17);
    for (const DotBlock& block : scene.blocks) {
        if (const auto* text = std::get_if<TextBlock>(&block))
            out << ::testing::PrintToString(text->lines);
        else
            out << "bar " << std::get<BarBlock>(block).fraction;
        out << " cells " << cells(block) << " weight " << weight(block)
            << (alignment(block) == DotAlignment::leading() ? " leading\n" : " centred\n");
    }
    out << "spacing " << scene.spacing << " padding " << scene.padding;
    return out.str();
}

} // namespace quillon::testing
