// Whole runs of quillon-render drawing a countdown, as a script runs it: a title of 60,000
// characters beside a short one, reported as their ratio. The title is fitted into its lines by
// halving the widths, so the long one costs little more than normalising and drawing it.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

double secondsToRender(const std::string& title, const std::string& output)
{
    std::vector<std::string> arguments {QUILLON_RENDER_PATH, "countdown", "--defaults", "--size",
        "extraLarge", "--at", "2026-12-05T14:30:00Z", "--target", "2027-01-01T00:00:00Z", "--title", title,
        "-o", output};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0
        || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void countdownRenderOfLongTitle(benchmark::State& state)
{
    const std::string shortTitle = "LAUNCH DAY";
    std::string longTitle;
    while (longTitle.size() < 60000)
        longTitle += "countdown to the launch of everything ";
    longTitle.resize(60000);
    const std::string output
        = (std::filesystem::temp_directory_path() / "quillon-bench-countdown.png").string();
    double shortSeconds = 0;
    double longSeconds = 0;
    for (auto _ : state) {
        const double shortRun = secondsToRender(shortTitle, output);
        const double longRun = secondsToRender(longTitle, output);
        if (shortRun < 0 || longRun < 0) {
            state.SkipWithError("quillon-render failed");
            break;
        }
        shortSeconds += shortRun;
        longSeconds += longRun;
        state.SetIterationTime(longRun);
    }
    std::filesystem::remove(output);
    if (shortSeconds > 0) {
        state.counters["short_ms"] = 1000 * shortSeconds / static_cast<double>(state.iterations());
        state.counters["long_over_short"] = longSeconds / shortSeconds;
    }
}
BENCHMARK(countdownRenderOfLongTitle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
