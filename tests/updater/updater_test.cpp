// The program's view of updating over an engine that records what it is asked.
#include "tests/support/recording_update_engine.h"
#include "updater/updater.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using RecordingEngine = testing::RecordingUpdateEngine;

struct Made {
    std::unique_ptr<Updater> updater;
    RecordingEngine* engine = nullptr;
    int notices = 0;
};

std::unique_ptr<Made> make(const BuildInfo& record)
{
    auto made = std::make_unique<Made>();
    auto engine = std::make_unique<RecordingEngine>();
    engine->automatic = true;
    engine->lastCheck = Instant {800000000};
    made->engine = engine.get();
    made->updater
        = std::make_unique<Updater>(record, std::move(engine), [raw = made.get()] { ++raw->notices; });
    return made;
}

TEST(Updater, ABuildWithoutAFeedIsADevelopmentBuildThatNeverTouchesTheEngine)
{
    for (const BuildInfo& record : {BuildInfo {.identifier = "com.quillon.Quillon"},
             BuildInfo {.feedURL = ""}, BuildInfo {.feedURL = "   \t "}}) {
        auto made = make(record);
        Updater& updater = *made->updater;
        EXPECT_FALSE(updater.isEnabled());
        EXPECT_EQ(made->engine->starts, 0);
        EXPECT_EQ(updater.lastCheck(), std::nullopt); // not read from the engine
        EXPECT_FALSE(updater.automaticallyChecks());
        updater.setAutomaticallyChecks(true);
        EXPECT_EQ(made->engine->writes, 0);
        updater.checkForUpdates();
        EXPECT_EQ(made->engine->checks, 0);
        EXPECT_EQ(made->notices, 1); // says why nothing happens
    }
}

TEST(Updater, AReleaseBuildMirrorsTheEngineAndWritesOnlyWhatDiffers)
{
    auto made = make({.feedURL = " https://example.com/appcast.xml "});
    Updater& updater = *made->updater;
    RecordingEngine& engine = *made->engine;
    EXPECT_TRUE(updater.isEnabled());
    EXPECT_EQ(engine.starts, 1);
    EXPECT_TRUE(updater.automaticallyChecks());
    EXPECT_EQ(updater.lastCheck(), (Instant {800000000}));
    EXPECT_EQ(engine.writes, 0); // reading the value back writes nothing

    updater.setAutomaticallyChecks(true);
    EXPECT_EQ(engine.writes, 0);
    updater.setAutomaticallyChecks(false);
    EXPECT_EQ(engine.writes, 1);
    EXPECT_FALSE(engine.automatic);

    // A check under way: no second one may start.
    EXPECT_TRUE(updater.canCheckForUpdates());
    int changes = 0;
    QObject::connect(&updater, &Updater::canCheckForUpdatesChanged, [&] { ++changes; });
    engine.reportCanCheck(false);
    EXPECT_FALSE(updater.canCheckForUpdates());
    engine.reportCanCheck(false);
    EXPECT_EQ(changes, 1);

    updater.checkForUpdates();
    EXPECT_EQ(engine.checks, 1);
    EXPECT_EQ(made->notices, 0);

    // A check that ends brings its date along, for a settings window that is open meanwhile.
    int dates = 0;
    QObject::connect(&updater, &Updater::lastCheckChanged, [&] { ++dates; });
    engine.lastCheck = Instant {850000000};
    engine.reportCanCheck(true);
    EXPECT_EQ(updater.lastCheck(), (Instant {850000000}));
    EXPECT_EQ(dates, 1);

    // The settings window reads the values again when it opens.
    engine.lastCheck = Instant {900000000};
    engine.automatic = true;
    updater.refresh();
    EXPECT_EQ(updater.lastCheck(), (Instant {900000000}));
    EXPECT_TRUE(updater.automaticallyChecks());
    EXPECT_EQ(engine.writes, 1);
}

} // namespace
} // namespace quillon
