// The built plug-in file, loaded as a host loads it, used from many threads at once while the
// studio's settings change underneath.
#include "state/shared_store.h"
#include "tests/support/scoped_environment.h"
#include "widget_plugin/widget_plugin.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPluginLoader>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

namespace quillon {
namespace {

using namespace widgethost;

TEST(LampworkPlugin, LoadsThroughTheInterfaceAndServesThreadsWhileSettingsChange)
{
    const auto home
        = std::filesystem::temp_directory_path() / ("plugin_loading_test_" + std::to_string(getpid()));
    std::filesystem::remove_all(home);
    const testing::ScopedEnvironmentVariable configHome("XDG_CONFIG_HOME", home.string());

    QPluginLoader loader(QUILLON_LAMPWORK_PATH);
    EXPECT_EQ(loader.metaData().value("IID").toString(), QString(QuillonWidgetPlugin_iid));
    auto* plugin = qobject_cast<WidgetPlugin*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    ASSERT_EQ(plugin->widgets().size(), 6u);

    // The studio saves records into the settings folder while widgets are drawn.
    const SharedStore studio(home / "quillon");
    std::atomic<bool> running = true;
    std::thread saver([&] {
        StudioState state
            = StudioState::makeDefault(Instant::fromUnixSeconds(1796000000), Calendar(TimeZone::utc(), 1, 1));
        for (int number = 0; running; ++number) {
            state.signText = "record " + std::to_string(number);
            studio.save(state);
        }
    });

    std::atomic<int> faces = 0;
    std::atomic<int> finished = 0;
    std::atomic<std::size_t> timelineSize = 61; // an hour's entries, or those of a timeline that was not
    std::vector<std::thread> hosts;
    for (int thread = 0; thread < 6; ++thread) {
        hosts.emplace_back([&, thread] {
            const WidgetDescription widget = plugin->widgets()[static_cast<std::size_t>(thread)];
            for (int round = 0; round < 5; ++round) {
                const HostContext context {Instant::now().secondsSinceReferenceDate};
                const Timeline timeline = plugin->timeline(widget.kind, R"({"theme":"app"})", context);
                if (timeline.entries.size() != 61) {
                    timelineSize = timeline.entries.size();
                    break;
                }
                const Face face = plugin->content(
                    widget.kind, timeline.entries[static_cast<std::size_t>(round)], widget.families.back());
                QImage image(344, 164, QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&image);
                face.paint(painter, QRectF(0, 0, 344, 164));
                if (face.link.starts_with("quillon://widget/"))
                    ++faces;
            }
            ++finished;
        });
    }
    // Threads stuck on each other would hold the test until the test run gives up on it; this ends
    // it sooner, saying so. It takes a tenth of a second on an idle machine.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (finished < 6 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (finished < 6) {
        std::fprintf(stderr, "FAILED: %d of 6 drawing threads finished within 60 s, with %d faces drawn\n",
            int(finished), int(faces));
        std::_Exit(1);
    }
    for (auto& host : hosts)
        host.join();
    running = false;
    saver.join();
    EXPECT_EQ(timelineSize, 61u);
    EXPECT_EQ(faces, 6 * 5);
    std::filesystem::remove_all(home);
}

} // namespace
} // namespace quillon
