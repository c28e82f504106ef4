// The host's timeline driver with a clock and requests of the test's own.
#include "widgethost/core/timeline_driver.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

using namespace quillon::widgethost;

namespace {

// Entries a tenth of a second apart from `start`, on a clock that runs from zero with the test.
Timeline entriesFrom(double start, int count)
{
    Timeline timeline;
    for (int index = 0; index < count; ++index)
        timeline.entries.push_back({start + 0.1 * index, nullptr});
    return timeline;
}

} // namespace

class TimelineDriverTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_clock.start(); }

    void switchesEntriesAtTheirDatesAndAsksAgainAtTheEnd()
    {
        std::atomic<int> fetches = 0;
        TimelineDriver driver(
            [&]() -> std::optional<Timeline> {
                ++fetches;
                return entriesFrom(now() + 0.1, 3);
            },
            [this] { return now(); }, {-1, nullptr});
        std::vector<double> shownAt;
        std::vector<double> dates;
        connect(&driver, &TimelineDriver::entryChanged, this, [&] {
            shownAt.push_back(now());
            dates.push_back(driver.current().date);
        });
        QCOMPARE(driver.current().date, -1.0); // the placeholder until the first timeline
        driver.reload();
        // The third entry's date used the timeline up. A machine that stalls past an entry's date
        // shows the entry of the moment instead, so the entries may take more than one timeline.
        const auto progress
            = [&] { return QString("%1 requests, %2 entries shown").arg(int(fetches)).arg(dates.size()); };
        QTRY_VERIFY2_WITH_TIMEOUT(fetches >= 2 && dates.size() >= 3, qPrintable(progress()), 15000);
        for (std::size_t index = 1; index < 3; ++index) {
            QCOMPARE_GE(shownAt[index], dates[index]); // never before its date
            QCOMPARE_LT(shownAt[index] - dates[index], 1.0); // and soon after it, even on a loaded machine
        }
    }

    void aFailedOrSlowRequestKeepsTheFaceAndIsTriedAgain()
    {
        std::atomic<int> fetches = 0;
        TimelineDriver driver(
            [&]() -> std::optional<Timeline> {
                const int attempt = ++fetches;
                if (attempt == 1)
                    return std::nullopt; // fails
                if (attempt == 2)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2600)); // too slow
                return entriesFrom(now() - 10, 2);
            },
            [this] { return now(); }, {-1, nullptr});
        driver.reload();
        QTRY_COMPARE_WITH_TIMEOUT(int(fetches), 2, 15000);
        QCOMPARE(driver.current().date, -1.0);
        QTRY_COMPARE_GT_WITH_TIMEOUT(driver.current().date, -1.0, 30000);
        // That timeline was used up on arrival: asked for again only after a pause, not at once. The
        // span is where a request made at once would have come.
        const int settled = fetches;
        QTest::qWait(300);
        QCOMPARE(int(fetches), settled);
    }

    void aReloadAsksAtOnceAndAClockJumpShowsTheEntryOfTheNewTime()
    {
        std::atomic<int> fetches = 0;
        std::atomic<double> jump = 0;
        const double start = now();
        TimelineDriver driver(
            [&]() -> std::optional<Timeline> {
                ++fetches;
                Timeline timeline; // an entry every ten seconds for a minute
                for (int index = 0; index < 6; ++index)
                    timeline.entries.push_back({start + 10.0 * index, nullptr});
                return timeline;
            },
            [&] { return now() + jump; }, {-1, nullptr});
        driver.reload();
        QTRY_COMPARE_WITH_TIMEOUT(driver.current().date, start, 10000);

        // The studio's reload signal: a new request at once (within a second on an idle machine),
        // not at the end of the timeline a minute away; the face kept meanwhile.
        driver.reload();
        QCOMPARE(driver.current().date, start);
        QTRY_COMPARE_WITH_TIMEOUT(int(fetches), 2, 10000);

        // The wall clock is set 25 s ahead: the entry of 20 s shows at once, with no new request in
        // the span after, where one made at once would have come.
        jump = 25;
        driver.reschedule();
        QCOMPARE(driver.current().date, start + 20);
        QTest::qWait(100);
        QCOMPARE(int(fetches), 2);
    }

private:
    double now() const { return static_cast<double>(m_clock.nsecsElapsed()) / 1e9; }
    QElapsedTimer m_clock;
};

QTEST_GUILESS_MAIN(TimelineDriverTest)
#include "timeline_driver_test.moc"
