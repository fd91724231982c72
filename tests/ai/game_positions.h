#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "engine/game.h"
#include "sim/headless.h"

namespace pipwick {

// Records the game as it stands at every pause: the start of each computer turn and the moment
// after each draw, which are exactly the positions in which a computer player chooses.
class PositionClock : public InstantClock {
  public:
    explicit PositionClock(const GameState& state) : state_(state) {}
    void WaitUntil(uint32_t deadline) override {
        positions.push_back(state_);
        InstantClock::WaitUntil(deadline);
    }
    std::vector<GameState> positions;

  private:
    const GameState& state_;
};

// Positions from whole games of Advanced players: every seat's history is truthful there.
inline std::vector<GameState> AdvancedGamePositions(int32_t players, int games, uint64_t seed) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = players;
    Settings settings;
    settings.PlayDelay = 1;
    std::fill(std::begin(settings.PlayerLevel), std::end(settings.PlayerLevel),
              static_cast<int32_t>(Level::Advanced));
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    SilentView view;
    PositionClock clock(state);
    DerivedSeeds seeds(seed);
    Game game(state, settings, geometry, view, clock, seeds);
    for (int g = 0; g < games; ++g) {
        game.NewGame();
        // Seat 1 plays as an Advanced player would, through the human's commands.
        while (state.GameInProgress == 1) {
            MakeHumanPlay(game, game.ChooseComputerMove(1));
        }
    }
    return clock.positions;
}

}  // namespace pipwick
