// The desktop and the studio side by side: at every moment the widget the host shows (its entry for
// the minute, drawn by the face) has the figures the studio's stage has (the scene of the settings
// at the studio's now, redrawn every second).
#include "lampwork/dot_face.h"
#include "lampwork/minute_provider.h"
#include "scenes/display_content.h"
#include "widgethost/core/timeline_schedule.h"

#include "tests/support/scene_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

using testing::calendarIn;
using testing::describe;
using testing::utcInstant;

const Calendar kLondon = calendarIn("Europe/London");

// The desktop asks for a timeline once, at `asked`, and the host then shows, at each moment, the
// entry whose date has come; the face draws it with the entry's date.
class Desktop {
public:
    Desktop(const StudioState& settings, Instant asked)
        : m_timeline(MinuteProvider(
            {[] { return kLondon; }, [settings](Instant, const Calendar&) { return settings; }})
                         .timeline({}, asked))
    {
    }

    DotScene sceneAt(DotWidgetKind kind, DotSize size, Instant now) const
    {
        const widgethost::ScheduleStep step
            = widgethost::scheduleStep(m_timeline, now.secondsSinceReferenceDate);
        const widgethost::TimelineEntry& entry = m_timeline.entries.at(step.shown.value());
        return faceScene(
            kind, dynamic_cast<const DotEntry&>(*entry.data), Instant {entry.date}, size, kLondon);
    }

private:
    widgethost::Timeline m_timeline;
};

// The studio's stage: the scene of the settings' content at the studio's now.
DotScene studioSceneAt(const StudioState& settings, DotWidgetKind kind, DotSize size, Instant now)
{
    return sceneForKind(kind, size, settings.content(), now, kLondon);
}

// The seconds of a minute the studio draws at, around a target at second 0 or 30 too.
const double kSeconds[] = {0, 0.25, 1, 13, 29, 29.5, 30, 30.5, 31, 59, 59.999};

const Instant kAsked = utcInstant(2026, 12, 5, 11, 30, 20);
const Instant kNoon = utcInstant(2026, 12, 5, 12);

// Every minute of the desktop's timeline, asked for at 11:30:20 and lasting until 12:30.
std::vector<Instant> minutesOfTheTimeline()
{
    std::vector<Instant> minutes;
    for (int minute = 0; minute <= 60; ++minute)
        minutes.push_back(utcInstant(2026, 12, 5, 11, 30) + 60.0 * minute);
    return minutes;
}

StudioState settingsCountingDownTo(Instant target)
{
    StudioState settings = StudioState::makeDefault(kAsked, kLondon);
    settings.countdownTitle = "Launch";
    settings.countdownDate = target;
    return settings;
}

// "11:41 + 13.25 s", in London.
std::string moment(Instant now)
{
    const Instant minute = kLondon.startOfMinute(now);
    const DateComponents components = kLondon.components(minute);
    std::ostringstream out;
    out << components.hour << ':' << (components.minute < 10 ? "0" : "") << components.minute << " + "
        << (now - minute) << " s";
    return out.str();
}

// The moments at which the desktop and the studio disagree, the first few written out.
std::string disagreements(const StudioState& settings, DotWidgetKind kind)
{
    const Desktop desktop(settings, kAsked);
    std::ostringstream out;
    int count = 0;
    for (const DotSize size : supportedSizes(kind)) {
        for (const Instant minute : minutesOfTheTimeline()) {
            for (const double second : kSeconds) {
                const Instant now = minute + second;
                const std::string onDesktop = describe(desktop.sceneAt(kind, size, now));
                const std::string inStudio = describe(studioSceneAt(settings, kind, size, now));
                if (onDesktop != inStudio && ++count <= 3)
                    out << rawValue(size) << " at " << moment(now) << "\ndesktop:\n"
                        << onDesktop << "\nstudio:\n"
                        << inStudio << "\n";
            }
        }
    }
    if (count > 3)
        out << "and " << count - 3 << " more\n";
    return out.str();
}

TEST(DesktopAndStudio, ShowTheSameCountdownAtEverySecondOfEveryMinute)
{
    const std::pair<const char*, Instant> targets[] = {
        {"a target on a whole minute", kNoon},
        {"a target at second 30", kNoon + 30},
        {"a target at a fraction of a second", kNoon + 0.5},
        {"a target a day and some minutes ahead", kNoon + (86400 - 15 * 60 + 30)}, // days give way to hours
        {"a target past", utcInstant(2026, 12, 5, 9)},
        {"a target far ahead", utcInstant(2027, 1, 1)},
    };
    for (const auto& [what, target] : targets) {
        SCOPED_TRACE(what);
        EXPECT_EQ(disagreements(settingsCountingDownTo(target), DotWidgetKind::countdown), "");
    }
}

// Percentages, bars and what is left of a period move on within a minute too: at 11:31:12 the day
// is 48% through, but the minute began at 47%.
TEST(DesktopAndStudio, ShowTheSameFiguresOfEveryOtherKindAtEverySecondOfEveryMinute)
{
    std::vector<std::pair<DotWidgetKind, ProgressPeriod>> displays;
    for (const DotWidgetKind kind : kAllWidgetKinds) {
        if (kind != DotWidgetKind::countdown)
            displays.emplace_back(kind, ProgressPeriod::day);
    }
    for (const ProgressPeriod period : {ProgressPeriod::week, ProgressPeriod::month, ProgressPeriod::year})
        displays.emplace_back(DotWidgetKind::progress, period);
    for (const auto& [kind, period] : displays) {
        SCOPED_TRACE(std::string(rawValue(kind)) + " " + std::string(rawValue(period)));
        StudioState settings = settingsCountingDownTo(kNoon);
        settings.period = period;
        settings.clockCity = "tokyo";
        EXPECT_EQ(disagreements(settings, kind), "");
    }
}

// The countdown's figures at each moment, in the studio.
std::vector<std::string> studioFigures(const StudioState& settings, Instant now)
{
    const DotScene scene = studioSceneAt(settings, DotWidgetKind::countdown, DotSize::large, now);
    std::vector<std::string> figures;
    for (std::size_t block = 1; block < scene.blocks.size(); ++block)
        figures.push_back(std::get<TextBlock>(scene.blocks[block]).lines.at(0));
    return figures;
}

TEST(DesktopAndStudio, CountdownFiguresChangeExactlyAtMinuteBoundaries)
{
    for (const Instant target : {kNoon, kNoon + 30}) {
        SCOPED_TRACE(target.secondsSinceReferenceDate - kNoon.secondsSinceReferenceDate);
        const StudioState settings = settingsCountingDownTo(target);
        std::optional<std::vector<std::string>> previous;
        for (const Instant minute : minutesOfTheTimeline()) {
            SCOPED_TRACE(minute.secondsSinceReferenceDate - kAsked.secondsSinceReferenceDate);
            const std::vector<std::string> atStart = studioFigures(settings, minute);
            for (const double second : kSeconds)
                EXPECT_EQ(studioFigures(settings, minute + second), atStart) << "at second " << second;
            // Counting down, the minute figure steps at every boundary; once done, it stays done.
            if (previous && (*previous)[1] == "NOW!") {
                EXPECT_EQ(atStart, *previous);
            } else if (previous) {
                EXPECT_NE(atStart, *previous) << "no change at the boundary";
            }
            previous = atStart;
        }
    }
}

TEST(DesktopAndStudio, ReachTheTargetAtTheSameInstant)
{
    struct Case {
        const char* what;
        Instant target;
        Instant done; // the first minute whose start is at or after the target
        std::string lastFigure; // in the minute before that one
    };
    const Case cases[] = {
        {"a target on a whole minute", kNoon, kNoon, "00:01"},
        {"a target at second 30", kNoon + 30, kNoon + 60, "00:00"},
        {"a target a second before a minute", utcInstant(2026, 12, 5, 11, 59, 59), kNoon, "00:00"},
    };
    const auto isDone
        = [](const DotScene& scene) { return std::get<TextBlock>(scene.blocks.at(2)).lines.at(0) == "NOW!"; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StudioState settings = settingsCountingDownTo(c.target);
        const Desktop desktop(settings, kAsked);
        std::optional<Instant> desktopDone;
        std::optional<Instant> studioDone;
        int undone = 0;
        // Every quarter second from three minutes before the target to three minutes after.
        for (double offset = -180; offset <= 180; offset += 0.25) {
            const Instant now = c.target + offset;
            const bool onDesktop = isDone(desktop.sceneAt(DotWidgetKind::countdown, DotSize::large, now));
            const bool inStudio
                = isDone(studioSceneAt(settings, DotWidgetKind::countdown, DotSize::large, now));
            if (onDesktop && !desktopDone)
                desktopDone = now;
            if (inStudio && !studioDone)
                studioDone = now;
            if (onDesktop != desktopDone.has_value() || inStudio != studioDone.has_value())
                ++undone;
        }
        EXPECT_EQ(undone, 0) << "once the target is reached, it stays reached";
        ASSERT_TRUE(desktopDone && studioDone);
        EXPECT_EQ(moment(*desktopDone), moment(c.done));
        EXPECT_EQ(moment(*studioDone), moment(c.done));
        EXPECT_EQ(studioFigures(settings, c.done + -0.25).at(0), c.lastFigure);
    }
}

} // namespace
} // namespace quillon
