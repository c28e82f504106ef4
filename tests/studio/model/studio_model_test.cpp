// The studio model: saving every edit, reloading the widgets once per burst, and its edits.
#include "studio/model/studio_model.h"

#include "tests/support/libc_time.h"
#include "tests/support/memory_state_store.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace quillon;

namespace {

Instant utcInstant(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return Instant::fromUnixSeconds(
        static_cast<double>(quillon::testing::utc(year, month, day, hour, minute, second)));
}

class CountingReloader final : public TimelineReloader {
public:
    void reloadAllTimelines() override { reloads.push_back(clock.elapsed()); }
    QElapsedTimer clock;
    std::vector<qint64> reloads; // milliseconds since the clock started
};

StudioState defaultState()
{
    return StudioState::makeDefault(utcInstant(2026, 12, 5, 12), Calendar(TimeZone::utc(), 1, 1));
}

} // namespace

class StudioModelTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = std::make_unique<testing::MemoryStateStore>(defaultState());
        m_reloader = std::make_unique<CountingReloader>();
        m_reloader->clock.start();
    }

    // A settings folder that cannot be written is no problem until something changes.
    void creatingLoadsAndReloadsAtOnceAndWritesNothing()
    {
        m_store->stored.signText = "stored";
        m_store->savesWork = false;
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        QCOMPARE(model.state().signText, std::string("stored"));
        QCOMPARE(m_store->saves, 0);
        QVERIFY(model.storeReport().ok());
        QCOMPARE(m_reloader->reloads.size(), std::size_t {1});
        QVERIFY(!model.isReloadPending());
    }

    // A save that fails is not passed over in silence: the model says why until one succeeds, and
    // a record that could not be read is told from the start until then.
    void storeProblemsAreToldOnceEachAndClearedByTheNextGoodSave()
    {
        m_store->loadProblem = {StoreProblem::damaged, "/c/quillon/studio.v1", "/c/quillon/studio.v1.bad", 0};
        m_store->savesWork = false;
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        QCOMPARE(model.storeReport().problem, StoreProblem::damaged);
        QVERIFY(!model.isSaveFailed());
        QSignalSpy told(&model, &StudioModel::storeReportChanged);
        model.setSignText("one");
        QVERIFY(model.isSaveFailed());
        QCOMPARE(model.storeReport().problem, StoreProblem::readOnly);
        model.setSignText("two");
        QCOMPARE(told.count(), 1); // still failing for the same reason: nothing new to tell
        m_store->refusal.problem = StoreProblem::diskFull;
        model.setSignText("three");
        QCOMPARE(model.storeReport().problem, StoreProblem::diskFull);
        QCOMPARE(told.count(), 2);
        m_store->savesWork = true;
        model.setSignText("four");
        QVERIFY(!model.isSaveFailed());
        QVERIFY(model.storeReport().ok());
        QCOMPARE(told.count(), 3);
        QCOMPARE(m_store->stored.signText, std::string("four"));
    }

    void aBurstOfKeystrokesSavesEachAndReloadsOnceAfterTheLast()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        QSignalSpy changes(&model, &StudioModel::signTextChanged);
        qint64 lastEdit = -1;
        qint64 longestPause = 0;
        // Keystrokes 50 ms apart, as typed, with the events between them handled as in the studio.
        for (const char* text : {"H", "He", "Hel", "Hell", "Hello"}) {
            QTest::qWait(50);
            model.setSignText(text);
            const qint64 now = m_reloader->clock.elapsed();
            if (lastEdit >= 0)
                longestPause = std::max(longestPause, now - lastEdit);
            lastEdit = now;
        }
        QCOMPARE(m_store->saves, 5);
        QCOMPARE(changes.count(), 5);
        QCOMPARE(m_store->stored.signText, std::string("Hello"));
        // A machine that stalls for most of the delay between two keystrokes typed no burst.
        if (longestPause >= StudioModel::kReloadDelay.count() - 50)
            QSKIP(qPrintable(
                QString("the keystrokes came up to %1 ms apart, too slowly for a burst").arg(longestPause)));
        QTRY_COMPARE_WITH_TIMEOUT(m_reloader->reloads.size(), std::size_t {2}, 15000);
        // About the delay after the last keystroke; generous above for a loaded machine.
        QCOMPARE_GE(m_reloader->reloads[1] - lastEdit, qint64 {380});
        QCOMPARE_LT(m_reloader->reloads[1] - lastEdit, qint64 {4000});
        // No second reload for the burst: a span longer than the delay in which one would have come.
        QTest::qWait(600);
        QCOMPARE(m_reloader->reloads.size(), std::size_t {2});
    }

    void kindAndSizeChangesSaveWithoutReloading()
    {
        m_store->stored.sizes[DotWidgetKind::clock] = DotSize::extraLarge; // a size clocks lack
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        model.selectKind(DotWidgetKind::sign);
        model.setSize(DotSize::extraLarge);
        model.selectKind(DotWidgetKind::sign); // the same value is still a write
        QCOMPARE(m_store->saves, 3);
        QCOMPARE(m_store->stored.sizes.at(DotWidgetKind::sign), DotSize::extraLarge);
        // The sizes read back go by the stored choice and the kind's own sizes.
        QCOMPARE(model.sizeForKind(DotWidgetKind::sign), DotSize::extraLarge);
        QCOMPARE(model.sizeForKind(DotWidgetKind::clock), DotSize::small);
        QVERIFY(!model.isReloadPending());
        // A span longer than the delay, in which a reload would have come.
        QTest::qWait(500);
        QCOMPARE(m_reloader->reloads.size(), std::size_t {1});
    }

    void aThemeChangedAndBackStillReloadsOnce()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        model.selectTheme(ThemeID::amber);
        model.selectTheme(ThemeID::midnight);
        QTRY_COMPARE_WITH_TIMEOUT(m_reloader->reloads.size(), std::size_t {2}, 15000);
        // A span longer than the delay, in which a second reload would have come.
        QTest::qWait(500);
        QCOMPARE(m_reloader->reloads.size(), std::size_t {2});
    }

    void aPendingReloadIsSentWhenTheModelGoes()
    {
        {
            StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
            model.setUse24h(false);
            QVERIFY(model.isReloadPending());
        }
        QCOMPARE(m_reloader->reloads.size(), std::size_t {2});
    }

    void wholeRecordWritesTellOnlyTheFieldsThatDiffer()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        QSignalSpy title(&model, &StudioModel::countdownTitleChanged);
        QSignalSpy theme(&model, &StudioModel::themeChanged);
        StudioState next = model.state();
        next.countdownTitle = "Launch";
        model.setState(next);
        model.setState(next);
        QCOMPARE(title.count(), 1);
        QCOMPARE(theme.count(), 0);
        QCOMPARE(m_store->saves, 2);

        QSignalSpy now(&model, &StudioModel::nowChanged);
        model.setNow(utcInstant(2026, 12, 5, 12, 0, 1));
        model.setNow(utcInstant(2026, 12, 5, 12, 0, 1));
        QCOMPARE(now.count(), 1);
        QCOMPARE(m_store->saves, 2); // the clock is not saved
    }

    void boardCityEdits()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        using Ids = std::vector<std::string>;
        model.addBoardCity("los-angeles");
        QCOMPARE(model.state().boardCities, (Ids {"new-york", "london", "dubai", "tokyo", "los-angeles"}));
        model.addBoardCity("paris");
        QCOMPARE(model.state().boardCities.back(), std::string("paris"));
        model.moveBoardCityUp(0); // no neighbour: nothing
        model.moveBoardCityDown(5); // no neighbour: nothing
        model.moveBoardCityUp(1);
        QCOMPARE(model.state().boardCities.front(), std::string("london"));
        model.removeBoardCity(99);
        model.removeBoardCity(0);
        QCOMPARE(model.state().boardCities, (Ids {"new-york", "dubai", "tokyo", "los-angeles", "paris"}));
        // Drag entries 0 and 2 before the entry at 4: they keep their order.
        model.reorderBoardCities({0, 2}, 4);
        QCOMPARE(model.state().boardCities, (Ids {"dubai", "los-angeles", "new-york", "tokyo", "paris"}));
        model.reorderBoardCities({0}, 5);
        QCOMPARE(model.state().boardCities.back(), std::string("dubai"));
    }

    void unknownBoardCitiesAreLeftOutOfTheListAndKeptInTheSettings()
    {
        m_store->stored.boardCities = {"atlantis", "tokyo", "el-dorado", "tokyo"};
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        const auto cities = model.boardCityList();
        QCOMPARE(cities.size(), std::size_t {2});
        QCOMPARE(cities[1].id, std::string("tokyo"));
        QCOMPARE(model.state().boardCities.size(), std::size_t {4}); // kept in the settings
    }

    void everyKindHasAScene()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        for (DotWidgetKind kind : kAllWidgetKinds) {
            for (DotSize size : supportedSizes(kind))
                QVERIFY(!model.sceneFor(kind, size).blocks.empty());
        }
        m_store->stored.boardCities.assign(10, "tokyo");
        StudioModel tenCities(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        const DotScene large = tenCities.sceneFor(DotWidgetKind::worldBoard, DotSize::large);
        QCOMPARE(std::get<TextBlock>(large.blocks[0]).lines.size(), std::size_t {8});
    }

    void linksSelectTheirKindAndOthersDoNothing()
    {
        StudioModel model(*m_store, *m_reloader, utcInstant(2026, 12, 5, 12));
        QSignalSpy opened(&model, &StudioModel::linkOpened);
        QVERIFY(model.openLink("quillon://widget/countdown"));
        QCOMPARE(model.state().kind, DotWidgetKind::countdown);
        QVERIFY(!model.openLink("quillon://widget/Sign"));
        QCOMPARE(model.state().kind, DotWidgetKind::countdown);
        // The kind already selected still brings its settings forward.
        QVERIFY(model.openLink("quillon://widget/countdown"));
        QCOMPARE(opened.count(), 2);
    }

private:
    std::unique_ptr<testing::MemoryStateStore> m_store;
    std::unique_ptr<CountingReloader> m_reloader;
};

QTEST_GUILESS_MAIN(StudioModelTest)
#include "studio_model_test.moc"
