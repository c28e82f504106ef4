// The countdown picker's quick dates and month grid, and the inspector's texts, at fixed instants
// in fixed zones.
#include "studio/dates/countdown_date_picker.h"
#include "studio/dates/month_grid.h"
#include "studio/dates/quick_date.h"
#include "studio/inspector/inspector_texts.h"

#include "platform/calendar/locale_date_format.h"
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"
#include "tests/support/libc_time.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace quillon {
namespace {

Instant utc(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(
        static_cast<double>(testing::utc(year, month, day, hour, minute, second)));
}

Calendar calendarIn(const char* zone, int firstWeekday = 1)
{
    return Calendar(TimeZone::named(zone).value(), firstWeekday, 1);
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// New York is five hours behind UTC in winter, four in summer.
TEST(QuickDate, EachDateIsACalendarStepFromNow)
{
    const Calendar newYork = calendarIn("America/New_York");
    const Instant saturday = utc(2026, 12, 5, 19, 30); // 14:30 in New York
    EXPECT_EQ(quickDate(QuickDate::tomorrow, saturday, newYork), utc(2026, 12, 6, 14));
    EXPECT_EQ(quickDate(QuickDate::nextWeek, saturday, newYork), utc(2026, 12, 12, 19, 30));
    EXPECT_EQ(quickDate(QuickDate::endOfMonth, saturday, newYork), utc(2027, 1, 1, 4, 59));
    EXPECT_EQ(quickDate(QuickDate::newYear, saturday, newYork), utc(2027, 1, 1, 5));

    // The last evening of the year: tomorrow and New Year's Day are in the next year.
    const Instant newYearsEve = utc(2027, 1, 1, 1, 15); // 20:15 on 31 December in New York
    EXPECT_EQ(quickDate(QuickDate::tomorrow, newYearsEve, newYork), utc(2027, 1, 1, 14));
    EXPECT_EQ(quickDate(QuickDate::endOfMonth, newYearsEve, newYork), utc(2027, 1, 1, 4, 59));
    EXPECT_EQ(quickDate(QuickDate::newYear, newYearsEve, newYork), utc(2027, 1, 1, 5));

    // A week over the change back to standard time keeps 14:30 on the wall clock.
    EXPECT_EQ(quickDate(QuickDate::nextWeek, utc(2026, 10, 28, 18, 30), newYork), utc(2026, 11, 4, 19, 30));
    // February's last minute in a leap year.
    EXPECT_EQ(quickDate(QuickDate::endOfMonth, utc(2028, 2, 10, 12), newYork), utc(2028, 3, 1, 4, 59));
}

TEST(QuickDate, AnInstantOutsideTheCalendarGivesADateNotACrash)
{
    const Calendar newYork = calendarIn("America/New_York");
    for (double seconds : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300}) {
        SCOPED_TRACE(seconds);
        for (QuickDate date : kAllQuickDates) {
            const Instant result = quickDate(date, Instant {seconds}, newYork);
            // Without a month there is no last minute: the fallback is now, less a minute.
            if (date == QuickDate::endOfMonth && std::isnan(seconds))
                EXPECT_TRUE(std::isnan(result.secondsSinceReferenceDate)) << rawValue(date);
            else
                EXPECT_FALSE(std::isnan(result.secondsSinceReferenceDate)) << rawValue(date);
        }
    }
}

// Berlin moves its clocks from 02:00 to 03:00 on 29 March 2026 and from 03:00 back to 02:00 on
// 25 October 2026.
TEST(MonthGrid, SelectingADayKeepsTheTimeByTheCalendarsRule)
{
    const Calendar berlin = calendarIn("Europe/Berlin", 2);
    const Instant halfPastTwo = utc(2026, 1, 10, 1, 30); // 02:30 in winter
    EXPECT_EQ(
        selectingDay(utc(2026, 3, 29, 12), halfPastTwo, berlin), utc(2026, 3, 29, 1)); // 03:00 summer time
    EXPECT_EQ(
        selectingDay(utc(2026, 10, 25, 12), halfPastTwo, berlin), utc(2026, 10, 25, 0, 30)); // first 02:30

    const Calendar newYork = calendarIn("America/New_York");
    const Instant lastMinute = utc(2027, 1, 1, 4, 59, 30); // 23:59:30 on 31 December
    EXPECT_EQ(selectingDay(utc(2026, 12, 20, 17), lastMinute, newYork), utc(2026, 12, 21, 4, 59));
    // Without a usable selection the day is taken at midnight.
    EXPECT_EQ(
        selectingDay(utc(2026, 12, 20, 17), Instant {std::numeric_limits<double>::quiet_NaN()}, newYork),
        utc(2026, 12, 20, 5));
}

TEST(MonthGrid, ShowsSixWeeksFromTheFirstWeekday)
{
    const Instant december = utc(2026, 12, 17, 15);
    const std::vector<Instant> sundayFirst = monthGridDays(december, calendarIn("America/New_York", 1));
    ASSERT_EQ(sundayFirst.size(), 42u);
    EXPECT_EQ(sundayFirst.front(), utc(2026, 11, 29, 5)); // Sunday
    EXPECT_EQ(sundayFirst.back(), utc(2027, 1, 9, 5)); // Saturday

    const std::vector<Instant> mondayFirst = monthGridDays(december, calendarIn("America/New_York", 2));
    ASSERT_EQ(mondayFirst.size(), 42u);
    EXPECT_EQ(mondayFirst.front(), utc(2026, 11, 30, 5)); // Monday
    EXPECT_EQ(mondayFirst.back(), utc(2027, 1, 10, 5)); // Sunday

    // March 2026 in Berlin begins on a Sunday and has a 23-hour day; with Monday first the grid
    // runs from 23 February to 5 April, each day at its own midnight.
    const Calendar berlin = calendarIn("Europe/Berlin", 2);
    const std::vector<Instant> march = monthGridDays(utc(2026, 3, 1, 12), berlin);
    ASSERT_EQ(march.size(), 42u);
    EXPECT_EQ(march.front(), utc(2026, 2, 22, 23));
    EXPECT_EQ(march.back(), utc(2026, 4, 4, 22));
    std::int64_t expectedDay = daysFromCivil({2026, 2, 23});
    for (Instant day : march) {
        const DateComponents fields = berlin.components(day);
        SCOPED_TRACE(::testing::Message() << fields.year << "-" << fields.month << "-" << fields.day);
        EXPECT_EQ(daysFromCivil({fields.year, fields.month, fields.day}), expectedDay++);
        EXPECT_EQ(fields.hour, 0);
        EXPECT_EQ(fields.minute, 0);
    }
    // A month that starts on the first weekday begins the grid on its first day.
    EXPECT_EQ(monthGridDays(utc(2026, 3, 20), calendarIn("Europe/Berlin", 1)).front(), utc(2026, 2, 28, 23));
}

TEST(MonthGrid, CellsShowWhatCanBeChosen)
{
    const Calendar newYork = calendarIn("America/New_York");
    const Instant now = utc(2026, 12, 5, 19, 30); // Saturday 14:30
    const Instant december = startOfMonth(now, newYork);
    const Instant selection = utc(2026, 12, 24, 23); // 18:00 on the 24th
    const auto state = [&](Instant day) { return dayCellState(day, december, selection, now, now, newYork); };

    const DayCellState yesterday = state(utc(2026, 12, 4, 5));
    EXPECT_EQ(yesterday, (DayCellState {true, false, false, false}));
    EXPECT_EQ(yesterday.opacity(), 0.25);
    EXPECT_EQ(state(utc(2026, 11, 30, 5)).opacity(), 0.25);

    const DayCellState today = state(utc(2026, 12, 5, 5));
    EXPECT_EQ(today, (DayCellState {true, false, true, true}));
    EXPECT_EQ(today.opacity(), 1.0);

    EXPECT_EQ(state(utc(2026, 12, 24, 5)), (DayCellState {true, true, false, true}));
    EXPECT_FALSE(state(utc(2026, 12, 23, 5)).selected);

    const DayCellState nextMonth = state(utc(2027, 1, 2, 5));
    EXPECT_EQ(nextMonth, (DayCellState {false, false, false, true}));
    EXPECT_EQ(nextMonth.opacity(), 0.45);

    // A date already passed stays the earliest choice, so its day and later can be picked.
    const Instant september = utc(2026, 9, 5, 14); // 10:00 on 5 September
    const Instant shown = startOfMonth(september, newYork);
    EXPECT_TRUE(dayCellState(utc(2026, 9, 5, 4), shown, september, september, now, newYork).selectable);
    EXPECT_FALSE(dayCellState(utc(2026, 9, 4, 4), shown, september, september, now, newYork).selectable);

    const Instant october = utc(2026, 10, 1, 4);
    EXPECT_FALSE(canGoToToday(shown, september, newYork));
    EXPECT_FALSE(canStepBack(shown, september, newYork));
    EXPECT_FALSE(canStepBack(utc(2026, 9, 30, 12), september, newYork));
    EXPECT_TRUE(canGoToToday(october, september, newYork));
    EXPECT_TRUE(canStepBack(october, september, newYork));
}

TEST(MonthGrid, SteppingMovesFromMonthStartToMonthStart)
{
    const Calendar newYork = calendarIn("America/New_York");
    EXPECT_EQ(steppingMonth(utc(2026, 1, 31, 20), 1, newYork), utc(2026, 2, 1, 5));
    EXPECT_EQ(steppingMonth(utc(2026, 3, 31, 20), -1, newYork), utc(2026, 2, 1, 5));
    EXPECT_EQ(steppingMonth(utc(2026, 2, 1, 5), -1, newYork), utc(2026, 1, 1, 5));
    EXPECT_EQ(steppingMonth(utc(2026, 11, 15, 5), 14, newYork), utc(2028, 1, 1, 5));
    EXPECT_EQ(steppingMonth(utc(2026, 3, 15, 5), 1, newYork), utc(2026, 4, 1, 4)); // summer time by then

    EXPECT_EQ(steppingMonth(Instant {std::numeric_limits<double>::quiet_NaN()}, 1, newYork), std::nullopt);
    EXPECT_EQ(steppingMonth(Instant {1e300}, -1, newYork), std::nullopt);
}

TEST(InspectorTexts, GmtOffsetsShowMinutesOnlyWhenThereAreSome)
{
    const std::pair<int, const char*> cases[] = {
        {19800, "GMT+5:30"},
        {20700, "GMT+5:45"},
        {0, "GMT+0"},
        {-12600, "GMT-3:30"},
        {-36000, "GMT-10"},
        {32400, "GMT+9"},
        {-1800, "GMT-0:30"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(gmtOffsetText(seconds), text) << seconds;
    EXPECT_FALSE(gmtOffsetText(std::numeric_limits<int>::min()).empty());

    const City newYork = City::find("new-york").value();
    EXPECT_EQ(gmtOffsetText(newYork, utc(2026, 12, 5, 12)), "GMT-5");
    EXPECT_EQ(gmtOffsetText(newYork, utc(2026, 7, 5, 12)), "GMT-4");
}

TEST(InspectorTexts, ACityWhoseZoneIsUnknownUsesTheMachinesZone)
{
    const testing::ScopedTZ kolkata("Asia/Kolkata");
    const City lost {"lost", "Lost", "Nowhere", "Not/AZone", ""};
    EXPECT_EQ(gmtOffsetText(lost, utc(2026, 12, 5, 12)), "GMT+5:30");
    EXPECT_EQ(cityLocalTime(lost, utc(2026, 12, 5, 12), true), "17:30");
}

// The hours around midnight and noon are the time texts' own, tested with them.
TEST(InspectorTexts, CityLocalTimeInTwentyFourAndTwelveHourTime)
{
    const City london = City::find("london").value();
    const Instant afternoon = utc(2026, 12, 5, 14, 5); // GMT in winter
    EXPECT_EQ(cityLocalTime(london, afternoon, true), "14:05");
    EXPECT_EQ(cityLocalTime(london, afternoon, false), "02:05 PM");
}

// Notes are made in the installed catalogue's language, with its plural forms: English's own
// catalogue holds them too.
struct CatalogueOf {
    int argc = 1;
    char name[5] = "test";
    char* argv[1] = {name};
    QCoreApplication application {argc, argv};
    explicit CatalogueOf(const QString& language)
    {
        EXPECT_EQ(installTranslations({language}, testing::builtCatalogueFolders()), language);
    }
};

TEST(InspectorTexts, CountdownNoteCountsCalendarDaysInTheUsersLanguage)
{
    const Calendar newYork = calendarIn("America/New_York");
    const Instant now = utc(2026, 12, 5, 19, 30); // Saturday 14:30
    const auto note = [&](Instant date) { return countdownNote(date, now, newYork, "de_DE", true); };
    const CatalogueOf german("de");
    EXPECT_TRUE(endsWith(note(now + 36 * 3600.0), "in 1 Tag")) << note(now + 36 * 3600.0);
    EXPECT_TRUE(endsWith(note(now + 60 * 3600.0), "in 2 Tagen")) << note(now + 60 * 3600.0);
}

TEST(InspectorTexts, CountdownNoteCountsCalendarDays)
{
    const CatalogueOf english("en");
    const Calendar newYork = calendarIn("America/New_York");
    const Instant now = utc(2026, 12, 5, 19, 30); // Saturday 14:30
    const auto note = [&](Instant date) { return countdownNote(date, now, newYork, "en_US", false); };

    const std::string tomorrowNight = note(now + 36 * 3600.0);
    EXPECT_TRUE(endsWith(tomorrowNight, "\u00B7 in 1 day")) << tomorrowNight;
    // In 12-hour time, as the locale's complete date and short time styles write it.
    EXPECT_EQ(tomorrowNight.find(formatLocaleDate(now + 36 * 3600.0, newYork.timeZone(), DateStyle::fullStyle,
                  DateStyle::shortStyle, "en_US")),
        0u);
    EXPECT_NE(tomorrowNight.find("December 7, 2026"), std::string::npos) << tomorrowNight;
    // In 24-hour time the hour is written so, whatever the locale prefers.
    const std::string inTwentyFourHourTime = countdownNote(now + 36 * 3600.0, now, newYork, "en_US", true);
    EXPECT_EQ(inTwentyFourHourTime.find("Monday, December 7, 2026 at 02:30 \u00B7 in 1 day"), 0u)
        << inTwentyFourHourTime;
    const std::string germanTwelveHour = countdownNote(now + 36 * 3600.0, now, newYork, "de_DE", false);
    EXPECT_EQ(germanTwelveHour.find("Montag, 7. Dezember 2026 um 2:30\u202FAM"), 0u) << germanTwelveHour;

    EXPECT_TRUE(endsWith(note(now + 600.0), "\u00B7 today")) << note(now + 600.0);
    EXPECT_TRUE(endsWith(note(now + 3 * 86400.0), "\u00B7 in 3 days")) << note(now + 3 * 86400.0);
    for (Instant passed : {now + -600.0, now})
        EXPECT_TRUE(endsWith(note(passed), ". That's passed; pick a new date.")) << note(passed);

    // Over the change back to standard time three days and thirty minutes of seconds are only
    // two calendar days: the third would end at 12:00, after 11:30.
    const Instant beforeTheChange = utc(2026, 10, 31, 16); // 12:00 EDT
    const std::string overTheChange
        = countdownNote(utc(2026, 11, 3, 16, 30), beforeTheChange, newYork, "en_US", false);
    EXPECT_TRUE(endsWith(overTheChange, "in 2 days")) << overTheChange;

    // Far-off dates are counted without walking every day.
    const std::string farOff = note(now + 1e12);
    EXPECT_TRUE(endsWith(farOff, " days")) << farOff;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(endsWith(note(Instant {nan}), ". That's passed; pick a new date."));
    EXPECT_FALSE(note(Instant {std::numeric_limits<double>::infinity()}).empty());
}

// The picker's time field writes the hour as the studio's clocks do, in the locale's own way.
TEST(CountdownDatePicker, TheTimeFieldFollowsTheStudiosHourCycleInTheLocalesFormat)
{
    struct Case {
        const char* locale;
        const char* twentyFourHour;
        const char* twelveHour;
    };
    const Case cases[] = {
        {"en_US", "HH:mm", "h:mm AP"}, // a 12-hour locale
        {"de_DE", "HH:mm", "h:mm AP"}, // a 24-hour locale
        {"ko_KR", "HH:mm", "AP h:mm"}, // the day period first
        {"fr_CA", "HH 'h' mm", "h 'h' mm AP"}, // quoted text kept
        {"ja_JP", "H:mm", "h:mm AP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(hourAndMinuteFormat(locale, true).toStdString(), c.twentyFourHour)
            << locale.timeFormat(QLocale::ShortFormat).toStdString();
        EXPECT_EQ(hourAndMinuteFormat(locale, false).toStdString(), c.twelveHour)
            << locale.timeFormat(QLocale::ShortFormat).toStdString();
    }
}

TEST(InspectorTexts, LongTitleHintCountsCharactersNotBytes)
{
    EXPECT_FALSE(showsLongTitleHint(std::string(32, 'a')));
    EXPECT_TRUE(showsLongTitleHint(std::string(33, 'a')));
    EXPECT_FALSE(showsLongTitleHint(""));

    // "é" written as "e" and a combining acute accent: three bytes, one character.
    std::string accented;
    for (int index = 0; index < 16; ++index)
        accented += "e\u0301a";
    ASSERT_GT(accented.size(), 33u);
    EXPECT_FALSE(showsLongTitleHint(accented));
    EXPECT_TRUE(showsLongTitleHint(accented + "e\u0301"));
}

TEST(InspectorTexts, EveryKindHasItsOwnDescription)
{
    std::set<std::string_view> descriptions;
    for (DotWidgetKind kind : kAllWidgetKinds) {
        const std::string_view description = kindDescription(kind);
        EXPECT_TRUE(description.ends_with('.')) << rawValue(kind);
        descriptions.insert(description);
    }
    EXPECT_EQ(descriptions.size(), kAllWidgetKinds.size());
}

} // namespace
} // namespace quillon
