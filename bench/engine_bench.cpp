// Whole games between computer players, as the simulator plays them: one iteration is one game.
// Each game kind is played alone at two, three and four players and in pairs at four, so that one
// run puts the games per second of every kind side by side.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/game_kind.h"
#include "sim/match.h"

namespace pipwick {
namespace {

GameRules RulesOf(int64_t game, int64_t partners) {
    GameRules rules;
    rules.Game = static_cast<DominoGame>(game);
    rules.Partners = static_cast<int32_t>(partners);
    rules.Target = KindOf(rules.Game).defaultTarget;
    return rules;
}

// Arguments: players, game (its stored number: a row of kGameKinds), partners.
void WholeGames(benchmark::State& run) {
    const int32_t players = static_cast<int32_t>(run.range(0));
    const int32_t levels[5] = {0, 1, 1, 1, 1};
    Match match(players, levels, 1.0, 7, RulesOf(run.range(1), run.range(2)));
    PlayLog noLog;
    for (auto _ : run) {
        benchmark::DoNotOptimize(match.PlayGame(noLog));
    }
    run.counters["games/s"] =
        benchmark::Counter(static_cast<double>(run.iterations()), benchmark::Counter::kIsRate);
}
// Every game kind, by its stored number.
std::vector<int64_t> AllGames() {
    std::vector<int64_t> games;
    for (int64_t game = 0; game < kGameKindCount; ++game) {
        games.push_back(game);
    }
    return games;
}

BENCHMARK(WholeGames)
    ->ArgNames({"players", "game", "partners"})
    ->ArgsProduct({{2, 3, 4}, AllGames(), {0}})
    ->ArgsProduct({{4}, AllGames(), {1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pipwick

BENCHMARK_MAIN();
