// Whole games between computer players, as the simulator plays them: one iteration is one game.
#include <benchmark/benchmark.h>

#include "sim/match.h"

namespace pipwick {
namespace {

void WholeGames(benchmark::State& run) {
    const int32_t players = static_cast<int32_t>(run.range(0));
    const int32_t levels[5] = {0, 1, 1, 1, 1};
    Match match(players, levels, 1.0, 7);
    PlayLog noLog;
    for (auto _ : run) {
        benchmark::DoNotOptimize(match.PlayGame(noLog));
    }
    run.counters["games/s"] =
        benchmark::Counter(static_cast<double>(run.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeGames)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pipwick

BENCHMARK_MAIN();
