#pragma once

#include <cstdint>

#include "ai/computer_player.h"
#include "model/game_state.h"

namespace pipwick {

// How a hand that was played out ended.
struct PlayoutOutcome {
    int32_t Scores[5];
    int32_t Winner;  // the game's winner when the hand ended it, else 0
};

// Plays one move on a copy of a game and the rest of the hand after it, the other seats playing at
// their levels as far as they are known (else as Advanced players) and the seat that moved as
// ChooseLookAheadPlay does, and says how it ended. The rules live in the engine, which provides
// this; the Expert only asks, from several threads at once.
class HandPlayout {
  public:
    virtual ~HandPlayout() = default;
    virtual PlayoutOutcome PlayOut(const GameState& game, int seat, const Play& play) const = 0;
};

}  // namespace pipwick
