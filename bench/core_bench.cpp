// Speed of text normalisation and text grids, each beside a floor: the bare memory work of the
// same result, so that the ratio between the two shows what the font layer itself costs.
#include "core/dot_font.h"
#include "core/dot_grid.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace quillon;

// 26 characters, mixed case, five of them accented: one line of the widest board.
const std::string kAccentedLine = "S\u00E3o Paulo Z\u00FCrich Caf\u00E9 No\u00EBl";

const std::vector<std::string> kLargestBoard {
    " 9:41A Los Angeles",
    "12:41P New York",
    " 5:41P London",
    " 6:41P Z\u00FCrich",
    " 8:41P Dubai",
    " 1:41A Tokyo",
    " 3:41A Auckland",
};

void normalizeAccentedLine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DotFont::normalize(kAccentedLine));
}
BENCHMARK(normalizeAccentedLine);

void normalizeFloorWidenLine(benchmark::State& state)
{
    for (auto _ : state) {
        std::u32string widened(kAccentedLine.begin(), kAccentedLine.end());
        benchmark::DoNotOptimize(widened);
    }
}
BENCHMARK(normalizeFloorWidenLine);

void textGridLargestBoard(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DotGrid::text(kLargestBoard, 26, 3));
}
BENCHMARK(textGridLargestBoard);

void textGridFloorFillDots(benchmark::State& state)
{
    constexpr int kColumns = 26 * 6 - 1;
    constexpr int kRows = 7 * 10 - 3;
    for (auto _ : state) {
        DotGrid grid;
        grid.columns = kColumns;
        grid.rows = kRows;
        grid.dots.assign(kColumns * kRows, Dot::off);
        grid.cellOrigins.assign(7 * 26, DotPoint {});
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(textGridFloorFillDots);

} // namespace
