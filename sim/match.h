#pragma once

#include <cstdint>

#include "engine/game.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "engine/settings.h"
#include "sim/headless.h"

namespace pipwick {

// Games between computer players with no window. Seat 1 is played by a computer player too, but
// through the human's own moves: it leads and plays by clicking, draws and passes with Draw/Pass.
class Match {
  public:
    Match(int32_t players, const int32_t (&levels)[5], double scale, uint64_t seed);

    // Plays one whole game; every move goes to log. Returns false if the game did not end
    // within a sane number of the human's moves.
    bool PlayGame(PlayLog& log);

    const GameState& State() const { return state_; }
    uint32_t LastDealSeed() const { return seeds_.LastSeed(); }

  private:
    void SeatOneMoves();

    GameState state_;
    Settings settings_;
    Geometry geometry_;
    SilentView view_;
    InstantClock clock_;
    DerivedSeeds seeds_;
    Game game_;
};

}  // namespace pipwick
