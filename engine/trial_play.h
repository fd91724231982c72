#pragma once

#include <cstdint>

#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// What one of the human's plays would do: whether the game accepts the tile on the arm, and what
// the open ends score once it lies there.
struct TrialPlay {
    bool accepted = false;
    int32_t score = 0;
};

// Makes the play with the game's own rules on a copy of state, shown nowhere; state is untouched.
// armIndex is 0..3; on an empty table the tile is the lead, whatever the arm.
TrialPlay TryHumanPlay(const GameState& state, const Geometry& geometry, int32_t tile,
                       int armIndex);

}  // namespace pipwick
