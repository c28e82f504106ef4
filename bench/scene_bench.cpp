// Building scenes from long text: the studio rebuilds the scene on every keystroke and every
// second, so a pasted page of text must stay cheap. Beside each, the floor of normalising the
// same text once, which every builder must do at least.
#include "core/dot_font.h"
#include "scenes/scene_builders.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quillon;

// About 1,000 characters of words of mixed lengths, a few of them accented.
std::string longText()
{
    const char* words[] = {"the", "quick", "brown", "fox", "jumps", "over", "lazy", "dogs", "caf\u00E9",
        "extraordinarily", "at", "midnight", "in", "Z\u00FCrich"};
    std::string text;
    for (std::size_t index = 0; text.size() < 1000; ++index)
        text += std::string(words[index % std::size(words)]) + " ";
    return text;
}

void signSceneOfLongMessage(benchmark::State& state)
{
    const std::string message = longText();
    const auto size = static_cast<DotSize>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(signScene(message, size));
}
BENCHMARK(signSceneOfLongMessage)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void countdownSceneOfLongTitle(benchmark::State& state)
{
    const std::string title = longText();
    const auto size = static_cast<DotSize>(state.range(0));
    const Instant now = Instant::fromUnixSeconds(1796000000);
    const Calendar calendar(TimeZone::utc(), 1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(countdownScene(title, now + 86400 * 40.5, now, size, calendar));
}
BENCHMARK(countdownSceneOfLongTitle)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void longTextFloorNormalize(benchmark::State& state)
{
    const std::string text = longText();
    for (auto _ : state)
        benchmark::DoNotOptimize(DotFont::normalize(text));
}
BENCHMARK(longTextFloorNormalize)->Unit(benchmark::kMicrosecond);

} // namespace
