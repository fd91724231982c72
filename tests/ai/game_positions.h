#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "engine/derived_seeds.h"
#include "engine/game.h"
#include "engine/game_view.h"

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
inline std::vector<GameState> AdvancedGamePositions(int32_t players, int games, uint64_t seed,
                                                    const GameRules& rules = {}) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = players;
    GameSettings settings;
    settings.PlayDelay = 1;
    settings.Game = static_cast<int32_t>(rules.Game);
    settings.Partners = rules.Partners;
    settings.PlayTo = rules.Target;
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

// Every kind of game there is: each game alone at two, three and four players, and in pairs.
struct GameKind {
    GameRules rules;
    int32_t players;
};

inline std::vector<GameKind> EveryGameKind() {
    std::vector<GameKind> kinds;
    for (DominoGame game : {DominoGame::AllFives, DominoGame::Draw, DominoGame::Block}) {
        const int32_t target = game == DominoGame::AllFives ? kAllFivesTarget : kDefaultTarget;
        for (int32_t players : {2, 3, 4}) {
            kinds.push_back({{game, 0, target}, players});
        }
        kinds.push_back({{game, 1, target}, 4});
    }
    return kinds;
}

}  // namespace pipwick
