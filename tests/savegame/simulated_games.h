#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>

#include "engine/play_log.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "sim/match.h"
#include "tests/support/same_state.h"

namespace pipwick {

inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace testing {

// The moments of a game at which a simulated game hands its state out.
enum class Moment { kHandStarted, kTilePlayed, kTileDrawn, kPassed, kHandEnded, kGameEnded };

using MomentVisit = std::function<void(const GameState&, Moment)>;

// Hands the match's state to visit at about one in oneIn of the game's moments, chosen by seed.
class MomentSampler : public PlayLog {
  public:
    MomentSampler(const Match& match, uint64_t seed, int oneIn, MomentVisit visit)
        : match_(match), random_(seed), oneIn_(oneIn), visit_(std::move(visit)) {}

    void HandStarted() override { Offer(Moment::kHandStarted); }
    void TilePlayed(int, int, const PlacedTile&) override { Offer(Moment::kTilePlayed); }
    void TileDrawn(int, int32_t) override { Offer(Moment::kTileDrawn); }
    void Passed(int) override { Offer(Moment::kPassed); }
    void HandEnded(int32_t, int, int32_t) override { Offer(Moment::kHandEnded); }
    void GameEnded(int) override { Offer(Moment::kGameEnded); }

  private:
    void Offer(Moment moment) {
        if (random_() % oneIn_ == 0) {
            visit_(match_.State(), moment);
        }
    }

    const Match& match_;
    std::mt19937_64 random_;
    int oneIn_;
    MomentVisit visit_;
};

// The geometry a match of that scale lays its tiles out with.
inline Geometry MatchGeometry(double scale) {
    return MakeGeometry(scale, Scaled(640, scale), Scaled(480, scale));
}

// Plays one whole game between computer players, by rules, and visits some of its moments.
inline void PlaySampledGame(int32_t players, double scale, uint64_t seed, int oneIn,
                            const MomentVisit& visit, const GameRules& rules = {}) {
    const int32_t levels[5] = {0, static_cast<int32_t>(seed % 2), 1, static_cast<int32_t>(seed % 3),
                               1};
    Match match(players, levels, scale, seed, rules);
    MomentSampler log(match, seed * 7919 + 1, oneIn, visit);
    ASSERT_TRUE(match.PlayGame(log)) << "game " << seed << " did not end";
}

// Two mid-game states of a simulated game with the side arms open and tiles left in the bone
// pile: one to save, one that stands for the game running when the file is opened.
struct TwoGames {
    GameState saved;
    GameState running;
};

inline TwoGames SimulatedStates() {
    TwoGames games{};
    int seen = 0;
    PlaySampledGame(3, 1.0, 77, 1, [&](const GameState& state, Moment moment) {
        if (moment == Moment::kTileDrawn && state.SpinnerState == kSideArmsOpen &&
            !BonePileEmpty(state)) {
            (seen++ == 0 ? games.saved : games.running) = state;
        }
    });
    return games;
}

}  // namespace testing
}  // namespace pipwick
