// How long the Expert takes over one decision, in real games against Advanced players: one
// iteration is one game, seat 1 the Expert. The arguments are the number of players, the game
// (0 All Fives, 1 Draw, 2 Block, 3 Fives and Threes) and 1 for partners. The counters are over the
// decisions with at least two legal plays (with one or none the Expert answers at once): the
// median, 99th percentile and longest in milliseconds. ExpertDecisions searches on one thread and
// counts that thread's own processor time, the lesser of two searches of each decision, so that
// other programs busy on the same machine do not count. ExpertWallTime shares the search among
// every core, as the game does, and counts the time that passes: on a busy machine it waits for the
// others. The hint is timed whole, at seat 1 taking its advice (the window waits for it), in the
// processor time of all the program's threads.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ai/expert_player.h"
#include "engine/computer_choice.h"
#include "engine/derived_seeds.h"
#include "engine/game.h"
#include "engine/game_view.h"
#include "engine/hint.h"
#include "engine/rule_playout.h"

namespace pipwick {
namespace {

double Milliseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double ThreadMilliseconds() {
    return Milliseconds(CLOCK_THREAD_CPUTIME_ID);
}

double ProcessMilliseconds() {
    return Milliseconds(CLOCK_PROCESS_CPUTIME_ID);
}

double WallMilliseconds() {
    return Milliseconds(CLOCK_MONOTONIC);
}

int LegalPlays(const ExpertView& view) {
    int count = 0;
    for (int slot = 0; slot < kHandSlots && view.Hand[slot] != kNoTile; ++slot) {
        for (int32_t pip : view.Table.ArmOpenPip) {
            count += Shows(view.Hand[slot], pip) ? 1 : 0;
        }
    }
    return view.Table.Arm[0][0].Tile == kNoTile ? view.HandCount[view.Seat] : count;
}

class ExpertAtSeatOne {
  public:
    explicit ExpertAtSeatOne(const benchmark::State& run)
        : geometry_(MakeGeometry(1.0, 640, 480)),
          seeds_(static_cast<uint64_t>(run.range(0))),
          game_(state_, settings_, geometry_, view_, clock_, seeds_) {
        ResetGameState(state_);
        state_.PlayerCount = static_cast<int32_t>(run.range(0));
        settings_.PlayDelay = 0;
        settings_.Game = static_cast<int32_t>(run.range(1));
        settings_.Partners = static_cast<int32_t>(run.range(2));
    }

    // One whole game, searched on threads (0: one per core); for every searched decision, the time
    // clock tells goes to times. Once the game ends its decisions are searched again, passes - 1
    // more times, and each keeps its least time.
    void PlayGame(std::vector<double>& times, int threads, double (*clock)(), int passes) {
        game_.NewGame();
        ExpertOptions options;
        options.Threads = threads;
        const RulePlayout playout(geometry_);
        std::vector<ExpertView> searched;
        std::vector<double> took;
        while (state_.GameInProgress == 1) {
            const ExpertView view = MakeExpertView(
                state_, 1, ComputerSeatLevels(state_, Seats{}, settings_.PlayerLevel));
            const double start = clock();
            const Play play = ChooseExpertPlay(view, playout, options);
            const double time = clock() - start;
            if (Searched(view)) {
                searched.push_back(view);
                took.push_back(time);
            }
            MakeHumanPlay(game_, play);
        }
        for (int pass = 1; pass < passes; ++pass) {
            for (size_t i = 0; i < searched.size(); ++i) {
                const double start = clock();
                ChooseExpertPlay(searched[i], playout, options);
                took[i] = std::min(took[i], clock() - start);
            }
        }
        times.insert(times.end(), took.begin(), took.end());
    }

    // One whole game with seat 1 playing every hint it is given.
    void PlayGameOnHints(std::vector<double>& times) {
        game_.NewGame();
        while (state_.GameInProgress == 1) {
            const ExpertView view = MakeExpertView(state_, 1);
            const double start = ProcessMilliseconds();
            const Hint hint = HintForHuman(state_, geometry_);
            Record(times, view, ProcessMilliseconds() - start);
            const bool tile = hint.kind == Hint::Kind::kLead || hint.kind == Hint::Kind::kPlay;
            MakeHumanPlay(game_, tile ? Play{hint.slot, hint.arm} : Play{});
        }
    }

  private:
    // With one legal play or none the Expert answers without a search.
    static bool Searched(const ExpertView& view) { return LegalPlays(view) >= 2; }

    static void Record(std::vector<double>& times, const ExpertView& view, double took) {
        if (Searched(view)) {
            times.push_back(took);
        }
    }

    GameState state_;
    GameSettings settings_;
    Geometry geometry_;
    SilentView view_;
    InstantClock clock_;
    DerivedSeeds seeds_;
    Game game_;
};

double Percentile(std::vector<double> times, double share) {
    if (times.empty()) {
        return 0.0;
    }
    std::sort(times.begin(), times.end());
    const auto at = static_cast<size_t>(share * static_cast<double>(times.size() - 1));
    return times[at];
}

void ReportTimes(benchmark::State& run, const std::vector<double>& times) {
    run.counters["decisions"] = static_cast<double>(times.size());
    run.counters["median_ms"] = Percentile(times, 0.5);
    run.counters["p99_ms"] = Percentile(times, 0.99);
    run.counters["max_ms"] = Percentile(times, 1.0);
}

// Each decision is timed twice, once in the game and once after it, and the lesser counts: on a
// virtual machine a thread's processor time also takes in what the host takes from it, which once
// in a run turned a decision of 20 ms into one of 130, a different decision in each run.
void ExpertDecisions(benchmark::State& run) {
    ExpertAtSeatOne table(run);
    std::vector<double> times;
    for (auto _ : run) {
        table.PlayGame(times, 1, ThreadMilliseconds, 2);
    }
    ReportTimes(run, times);
}
// Every game kind: each game at two and four players, and in pairs.
void EveryGameKind(benchmark::internal::Benchmark* bench) {
    for (int64_t game : {0, 1, 2, 3}) {
        bench->Args({2, game, 0})->Args({4, game, 0})->Args({4, game, 1});
    }
}

BENCHMARK(ExpertDecisions)->Apply(EveryGameKind)->Iterations(40)->Unit(benchmark::kMillisecond);

void ExpertWallTime(benchmark::State& run) {
    ExpertAtSeatOne table(run);
    std::vector<double> times;
    for (auto _ : run) {
        table.PlayGame(times, 0, WallMilliseconds, 1);
    }
    ReportTimes(run, times);
}
BENCHMARK(ExpertWallTime)->Apply(EveryGameKind)->Iterations(40)->Unit(benchmark::kMillisecond);

void Hints(benchmark::State& run) {
    ExpertAtSeatOne table(run);
    std::vector<double> times;
    for (auto _ : run) {
        table.PlayGameOnHints(times);
    }
    ReportTimes(run, times);
}
BENCHMARK(Hints)->Apply(EveryGameKind)->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pipwick

BENCHMARK_MAIN();
