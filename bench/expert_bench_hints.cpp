// How good the hint's advice is: in positions from real games, the hint against a search of 4,096
// deals from the same view. Seat 1 takes every hint against Advanced players; in each position
// where the human has two or more legal plays the program compares the two choices. A hint is
// counted as throwing points away when the deep search's play scores at least 10 more at once.
//
//     expert_bench_hints [POSITIONS] [SEED]
//
// prints the positions compared, how many hints differ from the deep search, how many throw points
// away, and how many offer a play that scores nothing where another would score 15 or more (and
// in how many of those the deep search, too, scores nothing).
#include <cstdio>
#include <cstdlib>

#include "ai/expert_player.h"
#include "engine/derived_seeds.h"
#include "engine/game.h"
#include "engine/game_view.h"
#include "engine/hint.h"
#include "engine/rule_playout.h"
#include "engine/trial_play.h"

namespace pipwick {
namespace {

constexpr int kDeepDeals = 4096;
constexpr int32_t kClearlyMore = 10;

struct Tally {
    int positions = 0;
    int differ = 0;
    int throwAway = 0;
    int zeroWhereFifteen = 0;
    int zeroWhereFifteenDeepToo = 0;
};

int32_t ScoreOf(const GameState& state, const Geometry& geometry, const Play& play) {
    const int32_t tile = state.Hand[kHumanSeat][play.slot];
    return TryHumanPlay(state, geometry, tile, play.arm).score;
}

// The best any legal play scores at once, and how many legal plays there are.
int32_t BestScore(const GameState& state, const Geometry& geometry, int& plays) {
    int32_t best = 0;
    plays = 0;
    for (int slot = 0; slot < HandCount(state, kHumanSeat); ++slot) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (Shows(state.Hand[kHumanSeat][slot], state.ArmOpenPip[arm])) {
                ++plays;
                const int32_t score = ScoreOf(state, geometry, {slot, arm});
                best = score > best ? score : best;
            }
        }
    }
    return best;
}

void Compare(const GameState& state, const Geometry& geometry, const Hint& hint, Tally& tally) {
    int plays = 0;
    const int32_t best = BestScore(state, geometry, plays);
    if (plays < 2 || hint.kind != Hint::Kind::kPlay) {
        return;
    }
    const GameState seen = VisibleToHuman(state);
    const RulePlayout playout(geometry);
    ExpertOptions deep;
    deep.Deals = kDeepDeals;
    const Play deepPlay = ChooseExpertPlay(MakeExpertView(seen, kHumanSeat), playout, deep);
    const Play hinted{hint.slot, hint.arm};
    ++tally.positions;
    tally.differ += deepPlay != hinted ? 1 : 0;
    tally.throwAway += ScoreOf(state, geometry, deepPlay) >= hint.score + kClearlyMore ? 1 : 0;
    if (hint.score == 0 && best >= 15) {
        ++tally.zeroWhereFifteen;
        tally.zeroWhereFifteenDeepToo += ScoreOf(state, geometry, deepPlay) == 0 ? 1 : 0;
    }
}

void PlayOnHints(int32_t players, int positions, uint64_t seed, Tally& tally) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = players;
    GameSettings settings;
    settings.PlayDelay = 0;
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    SilentView view;
    InstantClock clock;
    DerivedSeeds seeds(seed);
    Game game(state, settings, geometry, view, clock, seeds);
    const int goal = tally.positions + positions;
    while (tally.positions < goal) {
        game.NewGame();
        while (state.GameInProgress == 1 && tally.positions < goal) {
            const Hint hint = HintForHuman(state, geometry);
            Compare(state, geometry, hint, tally);
            const bool tile = hint.kind == Hint::Kind::kLead || hint.kind == Hint::Kind::kPlay;
            MakeHumanPlay(game, tile ? Play{hint.slot, hint.arm} : Play{});
        }
    }
}

}  // namespace
}  // namespace pipwick

int main(int argc, char** argv) {
    const int positions = argc > 1 ? std::atoi(argv[1]) : 1000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (positions < 2) {
        std::fprintf(stderr, "usage: expert_bench_hints [POSITIONS >= 2] [SEED]\n");
        return 2;
    }
    pipwick::Tally tally;
    pipwick::PlayOnHints(2, positions / 2, seed, tally);
    pipwick::PlayOnHints(4, positions - positions / 2, seed + 1, tally);
    std::printf(
        "positions %d\ndiffer from %d deals %d\nthrow 10 or more points away %d\n"
        "score 0 where 15 was on offer %d (the deep search too in %d)\n",
        tally.positions, pipwick::kDeepDeals, tally.differ, tally.throwAway, tally.zeroWhereFifteen,
        tally.zeroWhereFifteenDeepToo);
    return 0;
}
